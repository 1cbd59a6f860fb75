// The Registry, shaped like the advapi32 calls. Result codes are the Win32
// error codes (0 success, 2 not found).
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace cvn::platform {

// A key handle: one of the predefined roots or a key opened by the service.
using RegKey = uintptr_t;

namespace hkey {
inline constexpr RegKey kClassesRoot = 0x80000000u;
inline constexpr RegKey kCurrentUser = 0x80000001u;
inline constexpr RegKey kLocalMachine = 0x80000002u;
inline constexpr RegKey kUsers = 0x80000003u;
inline constexpr RegKey kCurrentConfig = 0x80000005u;
}  // namespace hkey

namespace regtype {
inline constexpr uint32_t kNone = 0;
inline constexpr uint32_t kString = 1;
inline constexpr uint32_t kExpandString = 2;
inline constexpr uint32_t kBinary = 3;
inline constexpr uint32_t kDword = 4;
inline constexpr uint32_t kMultiString = 7;
}  // namespace regtype

namespace regerr {
inline constexpr int32_t kSuccess = 0;
inline constexpr int32_t kFileNotFound = 2;
inline constexpr int32_t kInvalidHandle = 6;
inline constexpr int32_t kMoreData = 234;
inline constexpr int32_t kNoMoreItems = 259;
}  // namespace regerr

struct RegValue {
  uint32_t type = regtype::kNone;
  Bytes data;  // exactly the bytes stored; strings keep their terminating zero if stored
};

class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyEx with read access (KEY_READ) or all access.
  enum class Access { Read, All };
  virtual int32_t OpenKey(RegKey parent, const std::string& subKey, Access access,
                          RegKey& opened) = 0;
  // RegCreateKeyEx: opens the key, creating it and its parents when missing.
  virtual int32_t CreateKey(RegKey parent, const std::string& subKey, RegKey& opened) = 0;
  // RegQueryValueEx of the whole value; an empty name is the key's default value.
  virtual int32_t QueryValue(RegKey key, const std::string& name, RegValue& value) = 0;
  // RegSetValueEx.
  virtual int32_t SetValue(RegKey key, const std::string& name, uint32_t type,
                           const Bytes& data) = 0;
  // RegSetValue: sets the default value of `subKey` (created when missing) to a string.
  virtual int32_t SetDefaultValue(RegKey parent, const std::string& subKey,
                                  const std::string& text) = 0;
  // RegEnumKeyEx and RegEnumValue: the name of the subkey or value at
  // `index`, kNoMoreItems past the last one.
  virtual int32_t EnumKey(RegKey key, uint32_t index, std::string& name) = 0;
  virtual int32_t EnumValue(RegKey key, uint32_t index, std::string& name) = 0;
  virtual int32_t CloseKey(RegKey key) = 0;
  // The view every later open and create goes through (KEY_WOW64_32KEY or
  // KEY_WOW64_64KEY); keys already open stay in theirs.
  virtual void SelectView(View view) = 0;
};

}  // namespace cvn::platform
