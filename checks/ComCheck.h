// The COM registration checks: whether a class (ActiveX control or OLE
// server) and a type library are registered under HKEY_CLASSES_ROOT where
// the database says. Each aspect of a registration gets its own sub-status
// and display text; the outputs are cached in the item.
#pragma once

#include <cstdint>

#include "config/Items.h"
#include "config/RunContext.h"

namespace cvn {

// Server location, ProgID, version, class identifier and type library. A
// checked item keeps its outputs.
void CheckServer(RunContext& context, ServerItem& item);

// Name, version, file location and help file location. A checked item
// keeps its outputs.
void CheckTypeLibrary(RunContext& context, TypeLibItem& item);

}  // namespace cvn
