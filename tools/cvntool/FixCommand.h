// cvntool fix: lists what the wizard's Fix would repair, and with --yes
// repairs it without a window.
#pragma once

#include <ostream>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// 0 when everything asked for was fixed or nothing needed fixing, 1 when
// something failed or was skipped, 2 on a usage error.
int RunFix(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
