// INI files through the profile calls (GetPrivateProfileString and friends).
// A bare file name means the file of that name in the Windows folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cvn::platform {

class Profile {
 public:
  virtual ~Profile() = default;

  // GetPrivateProfileString into a buffer of `bufferSize` characters: the
  // result holds at most bufferSize - 1 characters, as the call does.
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue, const std::string& file,
                                size_t bufferSize) = 0;
  // GetPrivateProfileString with no key: the key names of a section.
  virtual std::vector<std::string> GetKeys(const std::string& section,
                                           const std::string& file) = 0;
  // GetPrivateProfileString with no section: the section names of a file.
  virtual std::vector<std::string> GetSections(const std::string& file) = 0;
  virtual int GetInt(const std::string& section, const std::string& key, int defaultValue,
                     const std::string& file) = 0;
  // WritePrivateProfileString. No key removes the section; no value removes the key.
  virtual bool WriteString(const std::string& section, const std::optional<std::string>& key,
                           const std::optional<std::string>& value,
                           const std::string& file) = 0;
  // WritePrivateProfileString(NULL, NULL, NULL, file): writes cached changes out.
  virtual bool Flush(const std::string& file) = 0;
};

}  // namespace cvn::platform
