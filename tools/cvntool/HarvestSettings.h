// The settings of a harvest: every key of the named INI files and every
// value under the named Registry keys, each expected as it now reads.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "config/RunContext.h"
#include "tools/cvntool/HarvestModel.h"

namespace cvn::tool {

// `iniFiles` are file names ("app.ini" or "app"), read as the INI check
// reads them: from the Windows folder, else from the application folder,
// which `context` must hold as folder 1. False, with `error` set, for a
// name with a folder in it.
bool CollectIniSettings(RunContext& context, const std::vector<std::string>& iniFiles,
                        const MachineFolders& folders, Harvest& harvest, std::ostream& warnings, std::string& error);

// `keys` are Registry keys with their root ("HKEY_CURRENT_USER\Software\A"
// or "HKCU\Software\A"); their subkeys are harvested too. False, with
// `error` set, for an unknown root.
bool CollectRegistrySettings(platform::Registry& registry, const std::vector<std::string>& keys,
                             const MachineFolders& folders, Harvest& harvest, std::ostream& warnings,
                             std::string& error);

// A path that lies in the application, System or Windows folder written in
// location notation ("1|Notes"), without a trailing backslash; any other
// value as it is.
std::string InLocationNotation(const std::string& value, const Harvest& harvest, const MachineFolders& folders);

}  // namespace cvn::tool
