#include "platform/emulated/EmulatedRegistry.h"

#include <algorithm>
#include <cctype>

namespace cvn::emulated {

namespace {

using platform::RegKey;
namespace regerr = platform::regerr;

constexpr int32_t kAccessDenied = 5;
constexpr int32_t kBadPathname = 161;  // a subkey may not start with a backslash

struct PredefinedKey {
  RegKey handle;
  RegRoot root;
};

constexpr PredefinedKey kPredefined[] = {
    {platform::hkey::kClassesRoot, RegRoot::ClassesRoot},   {platform::hkey::kCurrentUser, RegRoot::CurrentUser},
    {platform::hkey::kLocalMachine, RegRoot::LocalMachine}, {platform::hkey::kUsers, RegRoot::Users},
    {platform::hkey::kCurrentConfig, RegRoot::CurrentConfig},
};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// "PARENT\SUB\KEY" with the empty names of `subKey` skipped.
std::string ChildPath(std::string path, std::string_view subKey) {
  size_t start = 0;
  while (start <= subKey.size()) {
    const size_t end = std::min(subKey.find('\\', start), subKey.size());
    if (end > start) path += "\\" + Upper(subKey.substr(start, end - start));
    start = end + 1;
  }
  return path;
}

}  // namespace

EmulatedRegistry::EmulatedRegistry(RegistryStore& store, const std::vector<std::string>& protectedKeys)
    : store_(store) {
  for (const auto& key : protectedKeys) {
    const size_t slash = std::min(key.find('\\'), key.size());
    RegRoot root;
    if (!ParseRegRoot(key.substr(0, slash), root)) continue;
    protected_.push_back(ChildPath(Upper(RegRootName(root)), std::string_view(key).substr(slash)));
  }
}

bool EmulatedRegistry::IsProtected(const std::string& path) const {
  for (const auto& key : protected_) {
    if (path.compare(0, key.size(), key) == 0 && (path.size() == key.size() || path[key.size()] == '\\')) {
      return true;
    }
  }
  return false;
}

std::optional<EmulatedRegistry::Handle> EmulatedRegistry::Lookup(RegKey key) {
  for (const auto& predefined : kPredefined) {
    if (predefined.handle == key) {
      return Handle{&store_.Tree().Root(predefined.root), Access::All, Upper(RegRootName(predefined.root))};
    }
  }
  const auto it = handles_.find(key);
  if (it == handles_.end()) return std::nullopt;
  return it->second;
}

RegKey EmulatedRegistry::Issue(RegNode& node, Access access, std::string path) {
  const RegKey handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = Handle{&node, access, std::move(path)};
  return handle;
}

int32_t EmulatedRegistry::OpenKey(RegKey parent, const std::string& subKey, Access access, RegKey& opened) {
  const auto handle = Lookup(parent);
  if (!handle) return regerr::kInvalidHandle;
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathname;
  RegNode* node = handle->node->Find(subKey);
  if (!node) return regerr::kFileNotFound;
  std::string path = ChildPath(handle->path, subKey);
  if (access == Access::All && IsProtected(path)) return kAccessDenied;
  opened = Issue(*node, access, std::move(path));
  return regerr::kSuccess;
}

int32_t EmulatedRegistry::CreateKey(RegKey parent, const std::string& subKey, RegKey& opened) {
  const auto handle = Lookup(parent);
  if (!handle) return regerr::kInvalidHandle;
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathname;
  std::string path = ChildPath(handle->path, subKey);
  if (IsProtected(path)) return kAccessDenied;
  RegNode* node = handle->node->Find(subKey);
  if (!node) {
    if (handle->access == Access::Read) return kAccessDenied;
    node = &handle->node->Create(subKey);
    store_.Save();
  }
  opened = Issue(*node, Access::All, std::move(path));
  return regerr::kSuccess;
}

int32_t EmulatedRegistry::QueryValue(RegKey key, const std::string& name, platform::RegValue& value) {
  const auto handle = Lookup(key);
  if (!handle) return regerr::kInvalidHandle;
  const RegStoredValue* stored = handle->node->Value(name);
  if (!stored) return regerr::kFileNotFound;
  value.type = stored->type;
  value.data = stored->data;
  return regerr::kSuccess;
}

int32_t EmulatedRegistry::SetValue(RegKey key, const std::string& name, uint32_t type,
                                   const platform::Bytes& data) {
  const auto handle = Lookup(key);
  if (!handle) return regerr::kInvalidHandle;
  if (handle->access == Access::Read || IsProtected(handle->path)) return kAccessDenied;
  handle->node->SetValue(name, type, data);
  store_.Save();
  return regerr::kSuccess;
}

int32_t EmulatedRegistry::SetDefaultValue(RegKey parent, const std::string& subKey, const std::string& text) {
  RegKey opened = 0;
  const bool below = !subKey.empty();
  if (below) {
    if (const int32_t result = CreateKey(parent, subKey, opened); result != regerr::kSuccess) return result;
  }
  platform::Bytes data(text.begin(), text.end());
  data.push_back(0);
  const int32_t result = SetValue(below ? opened : parent, "", platform::regtype::kString, data);
  if (below) CloseKey(opened);
  return result;
}

int32_t EmulatedRegistry::EnumKey(RegKey key, uint32_t index, std::string& name) {
  const auto handle = Lookup(key);
  if (!handle) return regerr::kInvalidHandle;
  const auto& children = handle->node->Children();
  if (index >= children.size()) return regerr::kNoMoreItems;
  name = children[index]->Name();
  return regerr::kSuccess;
}

int32_t EmulatedRegistry::EnumValue(RegKey key, uint32_t index, std::string& name) {
  const auto handle = Lookup(key);
  if (!handle) return regerr::kInvalidHandle;
  const auto& values = handle->node->Values();
  if (index >= values.size()) return regerr::kNoMoreItems;
  name = values[index].name;
  return regerr::kSuccess;
}

int32_t EmulatedRegistry::CloseKey(RegKey key) {
  for (const auto& predefined : kPredefined) {
    if (predefined.handle == key) return regerr::kSuccess;
  }
  return handles_.erase(key) > 0 ? regerr::kSuccess : regerr::kInvalidHandle;
}

}  // namespace cvn::emulated
