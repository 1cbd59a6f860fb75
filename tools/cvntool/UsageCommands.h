// cvntool udb FILE.cdb: creates or refreshes the usage database as
// start-up does and prints its path and the snapshot lines it added.
// cvntool changes FILE.cdb [--since YYYYMMDDhhmm] [--all]: prints the
// dates that can be chosen (without --since) or the rows the Recent
// Changes list shows for that date.
#pragma once

#include <ostream>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

int RunUdb(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);
int RunChanges(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
