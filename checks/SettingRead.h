// Reading the live value of a setting: an INI key, with a second look in
// the application folder, or a Registry value by its type.
#pragma once

#include <cstdint>
#include <string>

#include "config/RunContext.h"
#include "config/SettingLocation.h"
#include "platform/Registry.h"

namespace cvn {

// The profile call's buffer for an INI value.
inline constexpr size_t kIniValueBuffer = 260;

// The value of the key, or empty when it is missing or blank in both the
// file as named and the file of that name in the application folder.
std::string ReadIniValue(RunContext& context, const IniLocation& location);

// The file a new value of the key goes to so that ReadIniValue reads it:
// the file as named (the Windows folder's) when it holds a value there,
// else the application folder's file of that name when there is one, else
// the file as named.
std::string IniFileToWrite(RunContext& context, const IniLocation& location);

enum class RegistryReadResult { Read, NotFound, UnhandledType };

struct RegistryReading {
  RegistryReadResult result = RegistryReadResult::NotFound;
  uint32_t type = platform::regtype::kString;  // the type found
  platform::Bytes data;                         // the data as stored
  // The string, the bytes in hexadecimal, or the raw text of another type.
  std::string text;
};

RegistryReading ReadRegistryValue(platform::Registry& registry, const RegistryLocation& location);

}  // namespace cvn
