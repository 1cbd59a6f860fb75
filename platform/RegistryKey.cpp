#include "platform/RegistryKey.h"

#include <algorithm>

namespace cvn {

OpenedKey::OpenedKey(platform::Registry& registry, platform::RegKey root, const std::string& subKey,
                     Mode mode)
    : registry_(registry) {
  openResult_ = mode == Mode::Read ? registry_.OpenKey(root, subKey, platform::Registry::Access::Read, key_)
                                   : registry_.CreateKey(root, subKey, key_);
  if (openResult_ != platform::regerr::kSuccess) key_ = 0;
}

OpenedKey::~OpenedKey() { Close(); }

int32_t OpenedKey::Set(const std::string& name, uint32_t type, const platform::Bytes& data) {
  if (!IsOpen()) return openResult_;
  return registry_.SetValue(key_, name, type, data);
}

int32_t OpenedKey::Close() {
  if (!IsOpen()) return platform::regerr::kSuccess;
  const int32_t result = registry_.CloseKey(key_);
  key_ = 0;
  return result;
}

std::optional<platform::RegValue> OpenedKey::Query(const std::string& name) {
  if (!IsOpen()) return std::nullopt;
  platform::RegValue value;
  if (registry_.QueryValue(key_, name, value) != platform::regerr::kSuccess) return std::nullopt;
  return value;
}

std::vector<std::string> OpenedKey::Names(Lister list) {
  std::vector<std::string> names;
  std::string name;
  for (uint32_t index = 0; IsOpen() && (registry_.*list)(key_, index, name) == platform::regerr::kSuccess;
       ++index) {
    names.push_back(name);
  }
  return names;
}

std::string TextOfData(const platform::Bytes& data) {
  const auto end = std::find(data.begin(), data.end(), uint8_t{0});
  return std::string(data.begin(), end);
}

bool KeyExists(platform::Registry& registry, platform::RegKey root, const std::string& subKey) {
  return OpenedKey(registry, root, subKey).IsOpen();
}

std::optional<std::string> ReadDefaultValue(platform::Registry& registry, platform::RegKey root,
                                            const std::string& subKey) {
  const std::optional<platform::RegValue> value = OpenedKey(registry, root, subKey).Query("");
  if (!value) return std::nullopt;
  std::string text = TextOfData(value->data);
  if (text.size() >= kDefaultValueBuffer) text.resize(kDefaultValueBuffer - 1);
  return text;
}

}  // namespace cvn
