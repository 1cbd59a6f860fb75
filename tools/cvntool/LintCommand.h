// cvntool lint FILE.cdb: reads the database with the loader's rules and
// reports, compiler style, every place where Corvane will read something
// other than what the vendor most likely meant.
#pragma once

#include <ostream>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// 0 without errors (warnings allowed), 1 with errors or when the file
// cannot be read, 2 for a usage error.
int RunLint(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
