// Reads the string table script (strings.rc) as windres reads it, for the
// subset of resource syntax that script uses: one STRINGTABLE block of
// `id, "text"` or `NAMED(id, IDS_NAME), "text"` lines, the latter after the
// script's `#define NAMED(id, name) id`. Anything outside that subset is an
// error, never skipped, so the host table cannot silently differ from the
// Windows one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cvn::resources {

struct StringEntry {
  int id = 0;
  std::string text;  // escapes resolved: the bytes LoadString returns
  std::string name{};  // the IDS_ name code uses for the id; empty when unnamed
  bool operator==(const StringEntry&) const = default;
};

struct ParsedStringTable {
  std::vector<StringEntry> entries;  // ascending by id; empty on error
  std::string error;                 // what is wrong, empty on success
  int errorLine = 0;                 // counted from 1
  bool ok() const { return error.empty(); }
};

ParsedStringTable ParseStringTable(std::string_view script);

// The one definition of NAMED the script must hold before its table, so that
// windres reads a named line as `id, "text"`.
inline constexpr std::string_view kNamedDefinition = "#define NAMED(id, name) id";

}  // namespace cvn::resources
