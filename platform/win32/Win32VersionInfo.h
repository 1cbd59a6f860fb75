// Version resources through version.dll.
#pragma once

#include "platform/VersionInfo.h"

namespace cvn::platform::win32 {

class Win32VersionInfo final : public VersionInfo {
 public:
  uint32_t GetSize(const std::string& path) override;
  std::optional<Bytes> GetInfo(const std::string& path) override;
  std::optional<FixedFileInfo> QueryFixed(const Bytes& block) override;
  std::vector<Translation> QueryTranslations(const Bytes& block) override;
  std::optional<std::string> QueryString(const Bytes& block, const std::string& subBlock) override;
};

}  // namespace cvn::platform::win32
