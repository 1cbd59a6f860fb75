// cvntool dump FILE.cdb: loads the database with the real loader and
// prints it in canonical form.
#pragma once

#include <ostream>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// 0 on success; 1 with the loader's message on `errors` when it fails.
int RunDump(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
