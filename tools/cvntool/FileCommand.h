// cvntool file PATH: what the file checks see in one file — its version
// text, its executable kind and bitness, and the modules it needs.
#pragma once

#include <ostream>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// 0 on success (also for a file that is no executable: its kind says so);
// 1 when the file does not exist; 2 for a usage error.
int RunFile(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
