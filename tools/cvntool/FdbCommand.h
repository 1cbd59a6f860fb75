// cvntool fdb --cdb FILE.cdb DIR: writes the file information database
// beside the .cdb for the files it lists, as found in the release folder.
#pragma once

#include <ostream>

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// 0 when the .fdb was written (files missing from DIR are named on
// `errors`); 1 when the database cannot be loaded or the file written;
// 2 for a usage error.
int RunFdb(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
