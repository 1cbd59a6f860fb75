// version.dll on the emulated machine: the RT_VERSION resource of a PE file
// through the portable reader, queried as VerQueryValueA answers an ANSI
// caller.
#pragma once

#include "platform/FileSystem.h"
#include "platform/VersionInfo.h"

namespace cvn::emulated {

class EmulatedVersionInfo : public platform::VersionInfo {
 public:
  explicit EmulatedVersionInfo(platform::FileSystem& files) : files_(files) {}

  // Twice the resource and four bytes, as Windows sizes the buffer for the
  // ANSI copies of the texts.
  uint32_t GetSize(const std::string& path) override;
  // The resource at the start of that buffer, "FE2X" after it.
  std::optional<platform::Bytes> GetInfo(const std::string& path) override;
  std::optional<platform::FixedFileInfo> QueryFixed(const platform::Bytes& block) override;
  std::vector<platform::Translation> QueryTranslations(const platform::Bytes& block) override;
  std::optional<std::string> QueryString(const platform::Bytes& block, const std::string& subBlock) override;

 private:
  // The bytes of the file's version resource (type 16, id 1).
  std::optional<platform::Bytes> Resource(const std::string& path);

  platform::FileSystem& files_;
};

}  // namespace cvn::emulated
