// The registry as REGEDIT4 text: "[key]" lines, then "name"=data lines with
// strings, dword:, hex: and hex(n): data, "@" for the default value and a
// backslash at the end of a line to continue it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/emulated/RegistryTree.h"

namespace cvn::emulated {

struct RegFileError {
  int line = 0;  // 1-based
  std::string message;
};

// Adds the keys and values of `text` to `tree` ("[-key]" and "name"=-
// remove). On a malformed line the tree may hold the lines before it.
std::optional<RegFileError> ReadRegFile(std::string_view text, RegistryTree& tree);

// The whole tree, every key on its own "[...]" line so that empty keys last.
std::string WriteRegFile(RegistryTree& tree);

}  // namespace cvn::emulated
