// Writes the host build's string table: a C++ source that implements
// cvn::resources::FindString over the parsed entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/gen/StringTableParser.h"

namespace cvn::resources {

// `entries` ascend by id and are not empty, as the parser guarantees.
std::string WriteStringTableSource(const std::vector<StringEntry>& entries,
                                   std::string_view scriptName);

}  // namespace cvn::resources
