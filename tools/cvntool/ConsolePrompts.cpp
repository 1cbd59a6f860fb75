#include "tools/cvntool/ConsolePrompts.h"

namespace cvn::tool {

using platform::Answer;
using platform::Buttons;

Answer ConsolePrompts::MessageBox(const std::string& text, Buttons buttons, platform::Icon) {
  const Answer answer = buttons == Buttons::Ok       ? Answer::Ok
                        : buttons == Buttons::YesNo ? Answer::No
                                                     : Answer::Cancel;
  const char* name = answer == Answer::Ok ? "OK" : answer == Answer::No ? "No" : "Cancel";
  errors_ << "cvntool: message: " << text << " [answered " << name << "]\n";
  return answer;
}

std::optional<std::string> ConsolePrompts::OpenFile(const platform::OpenFileRequest& request) {
  // The application search asks for a program (*.exe); only it is answered,
  // as if the user had picked a program in the folder given with --app.
  if (appFolder_ && request.defaultExtension == "exe") {
    std::string chosen = *appFolder_;
    if (chosen.empty() || chosen.back() != '\\') chosen += '\\';
    errors_ << "cvntool: the application is taken to be in " << *appFolder_ << "\n";
    return chosen + "program.exe";
  }
  errors_ << "cvntool: open-file dialog (" << request.filter << ") [answered Cancel]\n";
  return std::nullopt;
}

}  // namespace cvn::tool
