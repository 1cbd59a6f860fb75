// cvntool check FILE.cdb [--json]: the detection script of a fleet. Runs
// every check the report runs, writes nothing, and prints one line per
// item or requirement with a finding, then a summary line; with --json
// one JSON document instead.
#pragma once

#include <ostream>
#include <string>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// Exit codes of check.
inline constexpr int kCheckHealthy = 0;     // nothing at problem level 4 or more
inline constexpr int kCheckProblem = 1;     // a problem was found
inline constexpr int kCheckUsage = 2;       // a usage error
inline constexpr int kCheckUnloadable = 3;  // the database or the machine could not be loaded

int RunCheck(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

// check's answer when the machine itself cannot be had: `error` on
// `errors`, with --json also a document saying so, and kCheckUnloadable.
int CheckWithoutMachine(const Options& options, const std::string& error, std::ostream& out,
                        std::ostream& errors);

}  // namespace cvn::tool
