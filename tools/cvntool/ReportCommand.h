// cvntool report FILE.cdb [--out PATH]: gathers the facts as start-up does,
// runs every check and writes the support report as Finish would, printing
// its path. It writes nothing else: no answers, no usage database, no
// Registry entries. With --json it writes the whole report as one JSON
// document instead, beside where the text report goes or to --out.
#pragma once

#include <ostream>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

int RunReport(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
