// advapi32's registry calls on the registry of a machine image.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/emulated/RegistryStore.h"

namespace cvn::emulated {

class EmulatedRegistry : public platform::Registry {
 public:
  // `protectedKeys` refuse writes to themselves and below ("HKLM\\SOFTWARE").
  // On a 64-bit machine the 32-bit view keeps its own keys under
  // "Wow6432Node", as Windows 7 and Wine do (see WowPath).
  EmulatedRegistry(RegistryStore& store, const std::vector<std::string>& protectedKeys, bool twoViews);

  int32_t OpenKey(platform::RegKey parent, const std::string& subKey, Access access,
                  platform::RegKey& opened) override;
  int32_t CreateKey(platform::RegKey parent, const std::string& subKey, platform::RegKey& opened) override;
  int32_t QueryValue(platform::RegKey key, const std::string& name, platform::RegValue& value) override;
  int32_t SetValue(platform::RegKey key, const std::string& name, uint32_t type,
                   const platform::Bytes& data) override;
  int32_t SetDefaultValue(platform::RegKey parent, const std::string& subKey, const std::string& text) override;
  int32_t EnumKey(platform::RegKey key, uint32_t index, std::string& name) override;
  int32_t EnumValue(platform::RegKey key, uint32_t index, std::string& name) override;
  int32_t CloseKey(platform::RegKey key) override;
  void SelectView(platform::View view) override { view_ = view; }

  // Keys still open: a test sees handles that were never closed.
  size_t OpenHandles() const { return handles_.size(); }

 private:
  struct Handle {
    RegNode* node = nullptr;
    Access access = Access::All;
    std::string path;  // upper case, from the root's full name
  };
  // The key and access of a handle; nothing for an invalid one.
  std::optional<Handle> Lookup(platform::RegKey key);
  platform::RegKey Issue(RegNode& node, Access access, std::string path);
  bool IsProtected(const std::string& path) const;
  // The node and full path that `subKey` below a handle names in the
  // selected view; `create` makes the missing keys. Null when it is missing.
  RegNode* Resolve(const Handle& handle, const std::string& subKey, bool create, std::string& path);

  RegistryStore& store_;
  std::vector<std::string> protected_;  // upper case, from the root's full name
  std::map<platform::RegKey, Handle> handles_;
  bool twoViews_ = false;
  platform::View view_ = platform::View::Native;
  platform::RegKey nextHandle_ = 0x1000;
};

}  // namespace cvn::emulated
