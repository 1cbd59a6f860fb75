#include "ui/ReadMe.h"

#include "config/PathSpec.h"

namespace cvn {
namespace {

constexpr const char* kWordPad = "0:\\Program Files\\Accessories\\WordPad.exe";
constexpr const char* kWordPadNt = "0:\\Program Files\\Windows NT\\Accessories\\WordPad.exe";

std::string Quoted(const std::string& part) {
  return part.find(' ') == std::string::npos ? part : "\"" + part + "\"";
}

bool Start(RunContext& context, const std::string& viewer, const std::string& file) {
  // The handles close as the process object goes; nobody waits for it.
  return context.machine.Procs().Start(ReadMeCommandLine(viewer, file), 0) != nullptr;
}

}  // namespace

bool ReadMeNamed(const std::string& readMeFile) {
  const size_t slash = readMeFile.rfind('\\');
  return slash == std::string::npos ? !readMeFile.empty() : slash + 1 < readMeFile.size();
}

std::string ReadMeCommandLine(const std::string& viewer, const std::string& file) {
  return Quoted(viewer) + " " + Quoted(file);
}

void ShowReadMe(RunContext& context, std::string& viewer, const std::string& file) {
  if (Start(context, viewer, file)) return;
  viewer = PathSpec(context, context.isNt ? kWordPadNt : kWordPad).Text();
  if (Start(context, viewer, file)) return;
  context.machine.Desktop().OpenDocument(file);
}

}  // namespace cvn
