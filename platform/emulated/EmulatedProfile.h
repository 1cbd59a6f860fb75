// The profile calls (GetPrivateProfileString and friends) on the files of
// the emulated machine, with the semantics of Wine's kernel32. As on
// Windows NT, the calls work on the text as UTF-16: a file that starts with
// the UTF-16LE byte-order mark is read and written as UTF-16LE, any other
// file in the ANSI code page, and the ANSI calls convert their arguments
// and results.
#pragma once

#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/emulated/IniDocument.h"

namespace cvn::emulated {

class EmulatedProfile : public platform::Profile {
 public:
  explicit EmulatedProfile(platform::FileSystem& files) : files_(files) {}

  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                        const std::string& file, size_t bufferSize) override;
  std::vector<std::string> GetKeys(const std::string& section, const std::string& file) override;
  std::vector<std::string> GetSections(const std::string& file) override;
  int GetInt(const std::string& section, const std::string& key, int defaultValue, const std::string& file) override;
  bool WriteString(const std::string& section, const std::optional<std::string>& key,
                   const std::optional<std::string>& value, const std::string& file) override;
  // Every write goes to the file at once, so there is nothing to flush.
  bool Flush(const std::string& file) override;

 private:
  // A bare file name is in the Windows folder; anything else is a path.
  std::string PathOf(const std::string& file);
  struct ProfileFile {
    WideIniDocument doc;
    bool utf16 = false;  // written back as UTF-16LE
  };
  ProfileFile Load(const std::string& path);
  bool Store(const std::string& path, const ProfileFile& file);

  platform::FileSystem& files_;
};

// The text of a value as the call copies it into a buffer of `bufferSize`
// characters: a pair of quotes around the whole value dropped, and at most
// bufferSize - 1 characters kept.
std::string CopyProfileEntry(const std::string& value, size_t bufferSize);

// GetPrivateProfileInt's reading of a value (RtlUnicodeStringToInteger with
// base 0): blanks, a sign, "0x", "0o" or "0b" (lower case only: "0X10" is
// 0), then digits up to the first other character.
int ParseProfileInt(const std::string& text);

}  // namespace cvn::emulated
