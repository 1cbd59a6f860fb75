// cvntool harvest FOLDER --out FILE.cdb: writes the configuration database
// of an installation known to be good, from its folder, its Registry keys,
// its INI files and its COM registrations, and proves it on this machine.
#pragma once

#include <ostream>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// 0 when the database (and with --fdb its .fdb) was written; 1 when the
// folder cannot be harvested or a file cannot be written, or --out exists
// without --force; 2 for a usage error.
int RunHarvest(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
