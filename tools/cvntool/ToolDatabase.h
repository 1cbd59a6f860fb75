// Loading the database as start-up does before its later steps: the
// measured system, the .cdb itself and the file information.
#pragma once

#include <ostream>
#include <string>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"

namespace cvn::tool {

// False, with the reason on `errors`, when the database cannot be loaded.
bool LoadLikeStartup(RunContext& context, const std::string& path, ConfigDatabase& database, std::ostream& errors);

}  // namespace cvn::tool
