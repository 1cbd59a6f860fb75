// The canonical text form of a loaded database (docs/cvntool.md): one line
// per section and per item, every expected field named, texts quoted.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"

namespace cvn::tool {

// A text in double quotes: '"' and '\' are escaped with '\', and bytes
// outside printable ASCII are written \xHH, so every text reads back whole.
std::string Quote(std::string_view text);
// ["a", "b"]
std::string QuoteList(const std::vector<std::string>& texts);

void DumpSection(std::ostream& out, const ConfigSection& section);
void DumpDatabase(std::ostream& out, const ConfigDatabase& database);
void DumpLocations(std::ostream& out, const RunContext& context);

}  // namespace cvn::tool
