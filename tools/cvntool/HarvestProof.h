// The proof of a harvest on the machine it came from: the written database
// read back with Corvane's loader, and its settings and registrations
// checked as the wizard checks them.
#pragma once

#include <ostream>
#include <string>

#include "platform/Machine.h"
#include "tools/cvntool/HarvestModel.h"

namespace cvn::tool {

// Removes from `harvest` every item that the database at `cdbPath` does not
// read back as harvested, or whose check finds a problem, and names each
// on `warnings`. The number of items removed; -1 when the database cannot
// be loaded.
int ProveHarvest(platform::Machine& machine, const std::string& cdbPath, Harvest& harvest, std::ostream& warnings);

}  // namespace cvn::tool
