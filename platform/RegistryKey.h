// A Registry key that closes itself, and the reads of a key's default value.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace cvn {

// The buffer a key's default value is read into.
inline constexpr size_t kDefaultValueBuffer = 260;

// A key opened for reading, or created (with its parents) for writing;
// closed again when it goes.
class OpenedKey {
 public:
  enum class Mode { Read, Create };
  OpenedKey(platform::Registry& registry, platform::RegKey root, const std::string& subKey,
            Mode mode = Mode::Read);
  ~OpenedKey();
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  bool IsOpen() const { return key_ != 0; }
  // The Registry's result of opening or creating the key.
  int32_t OpenResult() const { return openResult_; }
  // Sets a value of the open key: the Registry's result.
  int32_t Set(const std::string& name, uint32_t type, const platform::Bytes& data);
  // Closes the key now: the Registry's result; success when it is not open.
  int32_t Close();
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
  int32_t openResult_ = platform::regerr::kSuccess;
};

// The text of data up to its first zero byte, or all of it when there is none.
std::string TextOfData(const platform::Bytes& data);

bool KeyExists(platform::Registry& registry, platform::RegKey root, const std::string& subKey);

// The default value of `subKey` as a text of at most kDefaultValueBuffer - 1
// characters; nothing when the key or its value is missing.
std::optional<std::string> ReadDefaultValue(platform::Registry& registry, platform::RegKey root,
                                            const std::string& subKey);

}  // namespace cvn
