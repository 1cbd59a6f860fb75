// Registry access shared by the setting and COM checks: a key that closes
// itself, and the reads of a key's default value.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace cvn {

// The buffer a key's default value is read into.
inline constexpr size_t kDefaultValueBuffer = 260;

// A key opened for reading; closed again when it goes.
class OpenedKey {
 public:
  OpenedKey(platform::Registry& registry, platform::RegKey root, const std::string& subKey);
  ~OpenedKey();
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  bool IsOpen() const { return key_ != 0; }
  // The whole value; nothing when the key is not open or the value is missing.
  std::optional<platform::RegValue> Query(const std::string& name);
  // The names of the key's subkeys, or of its values, in the platform's
  // order; none when the key is not open.
  std::vector<std::string> SubkeyNames() { return Names(&platform::Registry::EnumKey); }
  std::vector<std::string> ValueNames() { return Names(&platform::Registry::EnumValue); }

 private:
  using Lister = int32_t (platform::Registry::*)(platform::RegKey, uint32_t, std::string&);
  std::vector<std::string> Names(Lister list);

  platform::Registry& registry_;
  platform::RegKey key_ = 0;
};

// The text of data up to its first zero byte, or all of it when there is none.
std::string TextOfData(const platform::Bytes& data);

bool KeyExists(platform::Registry& registry, platform::RegKey root, const std::string& subKey);

// The default value of `subKey` as a text of at most kDefaultValueBuffer - 1
// characters; nothing when the key or its value is missing.
std::optional<std::string> ReadDefaultValue(platform::Registry& registry, platform::RegKey root,
                                            const std::string& subKey);

}  // namespace cvn
