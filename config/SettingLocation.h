// Where an INI or Registry value lives, written as one text with
// backslashes: "win\windows\load" (file win.ini, section windows, key load)
// or "HKEY_CURRENT_USER\Software\Vendor\Name".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace cvn {

struct IniLocation {
  std::string file;  // with ".ini" appended
  std::string section;
  std::string key;
};

struct RegistryLocation {
  platform::RegKey root = 0;
  std::string rootName;
  std::string subKey;
  std::string valueName;  // empty for the key's default value
};

// File up to the first backslash, section up to the last, key after it;
// nothing without a backslash.
std::optional<IniLocation> ParseIniLocation(std::string_view text);
// Root (exact case) up to the first backslash, subkey up to the last,
// value name after it ("(Default)" names the default value); nothing for
// an unknown root or without a backslash.
std::optional<RegistryLocation> ParseRegistryLocation(std::string_view text);

}  // namespace cvn
