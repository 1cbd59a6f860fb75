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

// "PARENT\SUB\KEY" with the empty names of `subKey` skipped, in upper case
// or as spelt.
enum class Spelling { Upper, AsGiven };
std::string ChildPath(std::string path, std::string_view subKey, Spelling spelling = Spelling::Upper) {
  size_t start = 0;
  while (start <= subKey.size()) {
    const size_t end = std::min(subKey.find('\\', start), subKey.size());
    const std::string_view name = subKey.substr(start, end - start);
    if (end > start) path += "\\" + (spelling == Spelling::Upper ? Upper(name) : std::string(name));
    start = end + 1;
  }
  return path;
}

bool IsOneOf(std::string_view upperName, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), upperName) != names.end();
}

// The name of the key below `prefix` (upper case, ending in a backslash)
// that `path` leads to; empty when `path` does not lead below it.
std::string_view NameBelow(std::string_view path, std::string_view prefix) {
  if (path.size() <= prefix.size() || path.substr(0, prefix.size()) != prefix) return {};
  const std::string_view rest = path.substr(prefix.size());
  return rest.substr(0, rest.find('\\'));
}

// Where a 32-bit program's path turns off on 64-bit Windows: HKLM\SOFTWARE
// is redirected below its "Wow6432Node", except the classes; of the classes
// only these keys are kept apart, the rest (TypeLib, ProgIDs, file types)
// is shared, and so is HKEY_CURRENT_USER. The position in `path` (upper
// case) where "Wow6432Node" goes, or npos.
size_t WowInsertion(std::string_view path) {
  constexpr std::string_view kSoftware = "HKEY_LOCAL_MACHINE\\SOFTWARE\\";
  for (const std::string_view classes : {"HKEY_CLASSES_ROOT\\", "HKEY_LOCAL_MACHINE\\SOFTWARE\\CLASSES\\"}) {
    const std::string_view name = NameBelow(path, classes);
    if (name.empty()) continue;
    const bool apart = IsOneOf(name, {"CLSID", "INTERFACE", "DIRECTSHOW", "MEDIA TYPE", "MEDIAFOUNDATION"});
    return apart ? classes.size() : std::string_view::npos;
  }
  const std::string_view name = NameBelow(path, kSoftware);
  if (name.empty() || IsOneOf(name, {"CLASSES", "WOW6432NODE"})) return std::string_view::npos;
  return kSoftware.size();
}

}  // namespace

EmulatedRegistry::EmulatedRegistry(RegistryStore& store, const std::vector<std::string>& protectedKeys,
                                   bool twoViews)
    : store_(store), twoViews_(twoViews) {
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

RegNode* EmulatedRegistry::Resolve(const Handle& handle, const std::string& subKey, bool create,
                                   std::string& path) {
  path = ChildPath(handle.path, subKey);
  const size_t at = twoViews_ && view_ == platform::View::Bits32 ? WowInsertion(path) : std::string::npos;
  if (at == std::string::npos) return create ? &handle.node->Create(subKey) : handle.node->Find(subKey);
  // The keys keep the spelling the caller gives; the inserted one is spelt
  // as Windows spells it.
  std::string spelt = ChildPath(handle.path, subKey, Spelling::AsGiven);
  spelt.insert(at, "Wow6432Node\\");
  path.insert(at, "WOW6432NODE\\");
  return create ? store_.Tree().Create(spelt) : store_.Tree().Find(spelt);
}

int32_t EmulatedRegistry::OpenKey(RegKey parent, const std::string& subKey, Access access, RegKey& opened) {
  const auto handle = Lookup(parent);
  if (!handle) return regerr::kInvalidHandle;
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathname;
  std::string path;
  RegNode* node = Resolve(*handle, subKey, false, path);
  if (!node) return regerr::kFileNotFound;
  if (access == Access::All && IsProtected(path)) return kAccessDenied;
  opened = Issue(*node, access, std::move(path));
  return regerr::kSuccess;
}

int32_t EmulatedRegistry::CreateKey(RegKey parent, const std::string& subKey, RegKey& opened) {
  const auto handle = Lookup(parent);
  if (!handle) return regerr::kInvalidHandle;
  if (!subKey.empty() && subKey.front() == '\\') return kBadPathname;
  std::string path;
  RegNode* node = Resolve(*handle, subKey, false, path);
  if (IsProtected(path)) return kAccessDenied;
  if (!node) {
    if (handle->access == Access::Read) return kAccessDenied;
    node = Resolve(*handle, subKey, true, path);
    if (!node) return regerr::kFileNotFound;
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
