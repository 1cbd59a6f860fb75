// The COM registrations of a harvest: the classes whose server is one of
// the harvested files, and the type libraries kept in the application
// folder or named by those classes, read from HKEY_CLASSES_ROOT as the
// registration checks read them.
#pragma once

#include <ostream>

#include "platform/Registry.h"
#include "tools/cvntool/HarvestModel.h"

namespace cvn::tool {

// Adds the classes and type libraries to `harvest`. A class that names a
// harvested file in a form the check does not read as that file is left
// out and named on `warnings`.
void CollectRegistrations(platform::Registry& registry, Harvest& harvest, std::ostream& warnings);

}  // namespace cvn::tool
