#include "platform/emulated/RegistryTree.h"

#include <algorithm>

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

struct RootNames {
  RegRoot root;
  std::string_view full;
  std::string_view brief;
};

constexpr RootNames kRootNames[] = {
    {RegRoot::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {RegRoot::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {RegRoot::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {RegRoot::Users, "HKEY_USERS", "HKU"},
    {RegRoot::CurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC"},
};

constexpr std::string_view kClassesPath = "SOFTWARE\\Classes";

// Calls `visit` with each non-empty name of a backslash-separated path.
template <typename Visit>
void ForEachName(std::string_view path, Visit visit) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) visit(path.substr(start, end - start));
    start = end + 1;
  }
}

std::pair<std::string_view, std::string_view> SplitRoot(std::string_view fullPath) {
  const size_t slash = fullPath.find('\\');
  if (slash == std::string_view::npos) return {fullPath, {}};
  return {fullPath.substr(0, slash), fullPath.substr(slash + 1)};
}

}  // namespace

RegNode* RegNode::Child(std::string_view name) const {
  for (const auto& child : children_) {
    if (EqualsNoCase(child->name_, name)) return child.get();
  }
  return nullptr;
}

RegNode& RegNode::AddChild(std::string_view name) {
  if (RegNode* existing = Child(name)) return *existing;
  children_.push_back(std::make_unique<RegNode>(std::string(name)));
  return *children_.back();
}

bool RegNode::RemoveChild(std::string_view name) {
  const auto it = std::find_if(children_.begin(), children_.end(),
                               [&](const auto& child) { return EqualsNoCase(child->name_, name); });
  if (it == children_.end()) return false;
  children_.erase(it);
  return true;
}

const RegStoredValue* RegNode::Value(std::string_view name) const {
  for (const auto& value : values_) {
    if (EqualsNoCase(value.name, name)) return &value;
  }
  return nullptr;
}

void RegNode::SetValue(std::string_view name, uint32_t type, platform::Bytes data) {
  for (auto& value : values_) {
    if (EqualsNoCase(value.name, name)) {
      value.type = type;
      value.data = std::move(data);
      return;
    }
  }
  values_.push_back(RegStoredValue{std::string(name), type, std::move(data)});
}

bool RegNode::RemoveValue(std::string_view name) {
  const auto it = std::find_if(values_.begin(), values_.end(),
                               [&](const auto& value) { return EqualsNoCase(value.name, name); });
  if (it == values_.end()) return false;
  values_.erase(it);
  return true;
}

RegNode* RegNode::Find(std::string_view path) {
  RegNode* node = this;
  ForEachName(path, [&](std::string_view name) {
    if (node) node = node->Child(name);
  });
  return node;
}

RegNode& RegNode::Create(std::string_view path) {
  RegNode* node = this;
  ForEachName(path, [&](std::string_view name) { node = &node->AddChild(name); });
  return *node;
}

std::string_view RegRootName(RegRoot root) {
  for (const auto& names : kRootNames) {
    if (names.root == root) return names.full;
  }
  return {};
}

bool ParseRegRoot(std::string_view name, RegRoot& root) {
  for (const auto& names : kRootNames) {
    if (EqualsNoCase(name, names.full) || EqualsNoCase(name, names.brief)) {
      root = names.root;
      return true;
    }
  }
  return false;
}

RegistryTree::RegistryTree() {
  for (RegRoot root : kAllRegRoots) {
    roots_[static_cast<size_t>(root)] = std::make_unique<RegNode>(std::string(RegRootName(root)));
  }
}

RegNode& RegistryTree::Root(RegRoot root) {
  if (root == RegRoot::ClassesRoot) return Root(RegRoot::LocalMachine).Create(kClassesPath);
  return *roots_[static_cast<size_t>(root)];
}

RegNode* RegistryTree::Find(std::string_view fullPath) {
  const auto [rootName, rest] = SplitRoot(fullPath);
  RegRoot root{};
  if (!ParseRegRoot(rootName, root)) return nullptr;
  return Root(root).Find(rest);
}

RegNode* RegistryTree::Create(std::string_view fullPath) {
  const auto [rootName, rest] = SplitRoot(fullPath);
  RegRoot root{};
  if (!ParseRegRoot(rootName, root)) return nullptr;
  return &Root(root).Create(rest);
}

}  // namespace cvn::emulated
