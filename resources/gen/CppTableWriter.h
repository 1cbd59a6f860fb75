// Writes the host build's resource tables: C++ sources that implement
// cvn::resources::FindString over the parsed strings and
// cvn::resources::HasIcon over the parsed icon numbers; and the header of
// the strings' names that every build compiles against.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/gen/StringTableParser.h"

namespace cvn::resources {

// `entries` ascend by id and are not empty, as the parser guarantees.
std::string WriteStringTableSource(const std::vector<StringEntry>& entries,
                                   std::string_view scriptName);

// `entries` are as above and every one is named.
std::string WriteStringIdsHeader(const std::vector<StringEntry>& entries, std::string_view scriptName);

// `ids` ascend, as the icon list parser guarantees.
std::string WriteIconTableSource(const std::vector<int>& ids, std::string_view scriptName);

}  // namespace cvn::resources
