// The driver's command line:
//   uidriver.exe [--timeout SECONDS] [--answer ANSWER]... [--walk] [--observe]
//                [--screenshot-dir DIR] --cmdline "COMMAND LINE"
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/driver/Answers.h"

namespace cvn::uidriver {

inline constexpr unsigned kDefaultTimeoutSeconds = 60;
inline constexpr unsigned kMaxTimeoutSeconds = 3600;

struct Options {
  unsigned timeoutSeconds = kDefaultTimeoutSeconds;
  std::vector<Answer> answers;
  std::string screenshotDir;  // empty: no screenshots
  std::string commandLine;    // given to CreateProcess as it stands
  bool walk = false;          // after the answers, walk on with the default answers
  // Answers nothing: the dialogs are described and kept as screenshots, and
  // each move of the keyboard focus is told, while someone else (a test
  // typing keys) plays the program.
  bool observe = false;
};

struct ParsedOptions {
  std::optional<Options> options;
  std::string error;  // why there are none
};

// The arguments after the program name.
ParsedOptions ParseOptions(const std::vector<std::string>& arguments);

// The usage text, for a bad command line.
const char* UsageText();

}  // namespace cvn::uidriver
