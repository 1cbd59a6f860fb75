// Loading a database as the wizard's start-up does before any check: the
// machine measured, the .cdb loaded, the file information prepared.
#pragma once

#include <ostream>
#include <string>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"

namespace cvn::tool {

// False, after naming the file on `errors`, when the .cdb cannot be loaded.
bool LoadForChecks(RunContext& context, ConfigDatabase& database, const std::string& path, std::ostream& errors);

}  // namespace cvn::tool
