// Reads the icon script (icons/icons.rc): one `number ICON "file"` line per
// icon, with blank lines and C or C++ comments between them. Anything else
// is an error, never skipped, so the host's list cannot silently differ
// from the icons the Windows programs link.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cvn::resources {

struct ParsedIconList {
  std::vector<int> ids;  // ascending, each once; empty on error
  std::string error;     // what is wrong, empty on success
  int errorLine = 0;     // counted from 1
  bool ok() const { return error.empty(); }
};

ParsedIconList ParseIconList(std::string_view script);

}  // namespace cvn::resources
