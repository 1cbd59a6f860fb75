// Version resources (version.dll): GetFileVersionInfoSize, GetFileVersionInfo
// and VerQueryValue on the block they return.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace cvn::platform {

// VS_FIXEDFILEINFO.
struct FixedFileInfo {
  uint32_t signature = 0;
  uint32_t structVersion = 0;
  uint32_t fileVersionMS = 0;
  uint32_t fileVersionLS = 0;
  uint32_t productVersionMS = 0;
  uint32_t productVersionLS = 0;
  uint32_t fileFlagsMask = 0;
  uint32_t fileFlags = 0;
  uint32_t fileOS = 0;
  uint32_t fileType = 0;
  uint32_t fileSubtype = 0;
  uint32_t fileDateMS = 0;
  uint32_t fileDateLS = 0;
};

// One entry of "\VarFileInfo\Translation".
struct Translation {
  uint16_t language = 0;
  uint16_t codePage = 0;
};

class VersionInfo {
 public:
  virtual ~VersionInfo() = default;

  // GetFileVersionInfoSize: 0 when the file has no version resource.
  virtual uint32_t GetSize(const std::string& path) = 0;
  // GetFileVersionInfo: the version block, or nothing.
  virtual std::optional<Bytes> GetInfo(const std::string& path) = 0;
  // VerQueryValue(block, "\").
  virtual std::optional<FixedFileInfo> QueryFixed(const Bytes& block) = 0;
  // VerQueryValue(block, "\VarFileInfo\Translation").
  virtual std::vector<Translation> QueryTranslations(const Bytes& block) = 0;
  // VerQueryValue(block, "\StringFileInfo\040904E4\FileVersion") and the like.
  virtual std::optional<std::string> QueryString(const Bytes& block,
                                                 const std::string& subBlock) = 0;
};

}  // namespace cvn::platform
