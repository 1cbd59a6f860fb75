// Turns one entry of the database into an item of its section's class.
#pragma once

#include <memory>
#include <string_view>

#include "config/EntryReader.h"
#include "config/Items.h"

namespace cvn {

// Never fails: missing fields give empty texts, false flags, the zero code,
// the all-zero GUID and empty lists. `resolve` expands path-like values.
std::unique_ptr<ConfigItem> ParseItem(SectionType type, std::string_view entry,
                                      const PathResolver& resolve);
// The same from a reader placed at the start of the entry, so that a tool
// can have the reader note where each field lies.
std::unique_ptr<ConfigItem> ParseItem(SectionType type, EntryReader& reader,
                                      const PathResolver& resolve);

// "Vendor.Thing.2" gives "Vendor.Thing"; a ProgID without a trailing
// version number stays as it is.
std::string VersionIndependentProgId(std::string_view progId);

}  // namespace cvn
