// The Registry through advapi32. Key handles are the HKEY values.
#pragma once

#include "platform/Registry.h"

namespace cvn::platform::win32 {

class Win32Registry final : public Registry {
 public:
  int32_t OpenKey(RegKey parent, const std::string& subKey, Access access, RegKey& opened) override;
  int32_t CreateKey(RegKey parent, const std::string& subKey, RegKey& opened) override;
  int32_t QueryValue(RegKey key, const std::string& name, RegValue& value) override;
  int32_t SetValue(RegKey key, const std::string& name, uint32_t type, const Bytes& data) override;
  int32_t SetDefaultValue(RegKey parent, const std::string& subKey,
                          const std::string& text) override;
  int32_t EnumKey(RegKey key, uint32_t index, std::string& name) override;
  int32_t EnumValue(RegKey key, uint32_t index, std::string& name) override;
  int32_t CloseKey(RegKey key) override;
  void SelectView(View view) override;

 private:
  uint32_t view_ = 0;  // the KEY_WOW64_* flag of the view, 0 for the native one
};

}  // namespace cvn::platform::win32
