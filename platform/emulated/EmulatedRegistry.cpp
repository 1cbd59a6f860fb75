#include "platform/emulated/EmulatedRegistry.h"

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

}  // namespace

std::optional<EmulatedRegistry::Handle> EmulatedRegistry::Lookup(RegKey key) {
  for (const auto& predefined : kPredefined) {
    if (predefined.handle == key) return Handle{&store_.Tree().Root(predefined.root), Access::All};
  }
  const auto it = handles_.find(key);
  if (it == handles_.end()) return std::nullopt;
  return it->second;
}

RegKey EmulatedRegistry::Issue(RegNode& node, Access access) {
  const RegKey handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = Handle{&node, access};
  return handle;
}

int32_t EmulatedRegistry::OpenKey(RegKey parent, const std::string& subKey, Access access, RegKey& opened) {
  const auto handle = Lookup(parent);
  if (!handle) return regerr::kInvalidHandle;
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathname;
  RegNode* node = handle->node->Find(subKey);
  if (!node) return regerr::kFileNotFound;
  opened = Issue(*node, access);
  return regerr::kSuccess;
}

int32_t EmulatedRegistry::CreateKey(RegKey parent, const std::string& subKey, RegKey& opened) {
  const auto handle = Lookup(parent);
  if (!handle) return regerr::kInvalidHandle;
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathname;
  RegNode* node = handle->node->Find(subKey);
  if (!node) {
    if (handle->access == Access::Read) return kAccessDenied;
    node = &handle->node->Create(subKey);
    store_.Save();
  }
  opened = Issue(*node, Access::All);
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
  if (handle->access == Access::Read) return kAccessDenied;
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

int32_t EmulatedRegistry::CloseKey(RegKey key) {
  for (const auto& predefined : kPredefined) {
    if (predefined.handle == key) return regerr::kSuccess;
  }
  return handles_.erase(key) > 0 ? regerr::kSuccess : regerr::kInvalidHandle;
}

}  // namespace cvn::emulated
