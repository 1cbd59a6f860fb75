// The registry of the emulated machine: a tree of keys under the five
// roots, each key with its values. HKEY_CLASSES_ROOT is the key
// HKEY_LOCAL_MACHINE\SOFTWARE\Classes, as on Windows 95 and NT 4.0.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace cvn::emulated {

struct RegStoredValue {
  std::string name;  // "" for the default value
  uint32_t type = 0;
  platform::Bytes data;
};

class RegNode {
 public:
  explicit RegNode(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  const std::vector<std::unique_ptr<RegNode>>& Children() const { return children_; }
  const std::vector<RegStoredValue>& Values() const { return values_; }

  // Names compare without regard to case; lookups return null when missing.
  RegNode* Child(std::string_view name) const;
  RegNode& AddChild(std::string_view name);  // the existing child when there is one
  bool RemoveChild(std::string_view name);

  const RegStoredValue* Value(std::string_view name) const;
  void SetValue(std::string_view name, uint32_t type, platform::Bytes data);
  bool RemoveValue(std::string_view name);

  // The key at a backslash-separated path below this one (empty names are
  // skipped, so "A\\B\\" is "A\\B").
  RegNode* Find(std::string_view path);
  RegNode& Create(std::string_view path);

 private:
  std::string name_;
  std::vector<std::unique_ptr<RegNode>> children_;
  std::vector<RegStoredValue> values_;
};

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

inline constexpr std::array<RegRoot, 5> kAllRegRoots = {RegRoot::ClassesRoot, RegRoot::CurrentUser,
                                                        RegRoot::LocalMachine, RegRoot::Users,
                                                        RegRoot::CurrentConfig};

// "HKEY_LOCAL_MACHINE" and the like.
std::string_view RegRootName(RegRoot root);
// The full names and the short ones (HKLM, HKCU, HKCR, HKU, HKCC), any case.
bool ParseRegRoot(std::string_view name, RegRoot& root);

class RegistryTree {
 public:
  RegistryTree();
  RegNode& Root(RegRoot root);
  // Splits "HKEY_...\\path" into its root and the key below it.
  RegNode* Find(std::string_view fullPath);
  RegNode* Create(std::string_view fullPath);  // null when the root is unknown

 private:
  std::array<std::unique_ptr<RegNode>, 5> roots_;
};

}  // namespace cvn::emulated
