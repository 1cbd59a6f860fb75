#include "tests/driver/Options.h"

#include <charconv>
#include <utility>

namespace cvn::uidriver {
namespace {

std::optional<unsigned> ParseSeconds(const std::string& text) {
  unsigned seconds = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seconds);
  if (error != std::errc() || stop != end) return std::nullopt;
  if (seconds == 0 || seconds > kMaxTimeoutSeconds) return std::nullopt;
  return seconds;
}

ParsedOptions Failure(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  bool haveCommandLine = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--walk" || name == "--observe") {
      (name == "--walk" ? options.walk : options.observe) = true;
      continue;
    }
    if (i + 1 == arguments.size()) return Failure(name + " needs a value");
    const std::string& value = arguments[++i];
    if (name == "--timeout") {
      const auto seconds = ParseSeconds(value);
      if (!seconds) return Failure("bad timeout: " + value);
      options.timeoutSeconds = *seconds;
    } else if (name == "--answer") {
      auto answer = ParseAnswer(value);
      if (!answer) return Failure("bad answer: " + value);
      options.answers.push_back(std::move(*answer));
    } else if (name == "--screenshot-dir") {
      if (value.empty()) return Failure("empty screenshot folder");
      options.screenshotDir = value;
    } else if (name == "--cmdline") {
      if (value.empty()) return Failure("empty command line");
      options.commandLine = value;
      haveCommandLine = true;
    } else {
      return Failure("unknown option: " + name);
    }
  }
  if (!haveCommandLine) return Failure("no --cmdline given");
  if (options.observe && (options.walk || !options.answers.empty())) {
    return Failure("--observe answers nothing: no --answer or --walk with it");
  }
  return {std::move(options), {}};
}

const char* UsageText() {
  return "usage: uidriver [--timeout SECONDS] [--answer ANSWER]... [--walk] [--observe]\n"
         "                [--screenshot-dir DIR] --cmdline \"COMMAND LINE\"\n"
         "Starts the command line and answers its dialogs in order. ANSWER is one of\n"
         "  ok, cancel, yes, no   press that button of a message box (cancel: also of\n"
         "                        an open-file dialog; yes, no: also of any other)\n"
         "  file:PATH             type PATH into an open-file dialog and press OK\n"
         "  close                 send WM_CLOSE to any other dialog (ok: press its OK)\n"
         "  next, back, finish    press that wizard button (cancel: Cancel)\n"
         "  click:ID              click control ID of the active wizard page, which\n"
         "                        moves to another page (press:ID: which stays)\n"
         "  type:ID=TEXT          put TEXT into control ID of the active page\n"
         "  read:ID               print the text of control ID of the active page\n"
         "  select:ID=ROW         select row ROW (from 0) of list view ID of the page\n"
         "  pick:ID=ENTRY         choose entry ENTRY (from 0) of combo box ID of the page\n"
         "  rows:ID               print every row of list view ID of the page\n"
         "                        (press, read, select, pick and rows also work on any\n"
         "                        other dialog, on its own controls)\n"
         "  sysmenu:COMMAND       send the wizard a system menu command\n"
         "With --walk, the dialogs after the last answer get the default ones: Finish,\n"
         "else Next on a wizard page; any other dialog is dismissed.\n"
         "With --observe, no dialog is answered: each is described (and kept as a\n"
         "screenshot), and every move of the keyboard focus is told as\n"
         "\"focus: CLASS ID 'TEXT'\", marked [hidden] or [disabled] where it is so.\n"
         "Exit status: 0 passed, 1 could not run, 2 a dialog had no answer left,\n"
         "3 timeout (default 60 s), 4 answers left over, 5 an answer did not fit.\n";
}

}  // namespace cvn::uidriver
