// Writes a harvest as a configuration database: the sections in the order
// and with the comments of a hand-written one, every folder as a location
// code, and the texts a vendor edits before shipping it.
#pragma once

#include <optional>
#include <string>

#include "tools/cvntool/HarvestModel.h"

namespace cvn::tool {

// The .cdb text, lines ended by CR LF; nothing, with `error` set, when the
// files lie in more folders than there are location codes.
std::optional<std::string> WriteDatabase(const Harvest& harvest, const MachineFolders& folders, std::string& error);

}  // namespace cvn::tool
