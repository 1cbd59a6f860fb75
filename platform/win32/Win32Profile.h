// INI files through the kernel32 profile calls.
#pragma once

#include "platform/Profile.h"

namespace cvn::platform::win32 {

class Win32Profile final : public Profile {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, const std::string& file,
                        size_t bufferSize) override;
  std::vector<std::string> GetKeys(const std::string& section, const std::string& file) override;
  std::vector<std::string> GetSections(const std::string& file) override;
  int GetInt(const std::string& section, const std::string& key, int defaultValue,
             const std::string& file) override;
  bool WriteString(const std::string& section, const std::optional<std::string>& key,
                   const std::optional<std::string>& value, const std::string& file) override;
  bool Flush(const std::string& file) override;
};

}  // namespace cvn::platform::win32
