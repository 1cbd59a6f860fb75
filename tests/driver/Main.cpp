// uidriver: starts a Windows program and plays the user of its dialogs, for
// end-to-end tests under Wine.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/driver/Options.h"
#include "tests/driver/Session.h"

int main(int argc, char** argv) {
  using namespace cvn::uidriver;
  const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    std::fprintf(stderr, "uidriver: %s\n%s", parsed.error.c_str(), UsageText());
    return status::kFailedToRun;
  }
  return Session(*parsed.options).Run();
}
