// Version resources through GetFileVersionInfo and VerQueryValue.
#include "platform/win32/Win32VersionInfo.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/VersionBlockShape.h"
#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {
namespace {

// VerQueryValueA writes the ANSI copy of a 32-bit block's texts into the
// buffer behind the block, which GetFileVersionInfoSize makes room for. It
// also needs a buffer it may write, so every query works on a copy, made
// large enough for that area whoever made the block.
Bytes QueryableCopy(const Bytes& block) {
  Bytes copy = block;
  const size_t rootLength = size_t{block[0]} | (size_t{block[1]} << 8);
  copy.resize(std::max(copy.size(), 3 * rootLength + 4), 0);
  return copy;
}

// The bytes VerQueryValue found for `subBlock`, cut to the copy they lie in;
// nothing when the block is damaged or holds no such value.
std::optional<Bytes> QueryValue(const Bytes& block, const char* subBlock) {
  if (!IsWellFormedVersionBlock(block)) return std::nullopt;
  Bytes copy = QueryableCopy(block);
  void* found = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(copy.data(), subBlock, &found, &length) || found == nullptr) {
    return std::nullopt;
  }
  const auto* begin = static_cast<const uint8_t*>(found);
  const uint8_t* end = copy.data() + copy.size();
  if (begin < copy.data() || begin > end) return std::nullopt;
  return Bytes(begin, begin + std::min<size_t>(length, end - begin));
}

uint32_t ReadDword(const Bytes& data, size_t offset) {
  uint32_t value = 0;
  std::memcpy(&value, data.data() + offset, sizeof value);
  return value;
}

}  // namespace

uint32_t Win32VersionInfo::GetSize(const std::string& path) {
  DWORD handle = 0;
  return ::GetFileVersionInfoSizeA(path.c_str(), &handle);
}

std::optional<Bytes> Win32VersionInfo::GetInfo(const std::string& path) {
  const uint32_t size = GetSize(path);
  if (size == 0) return std::nullopt;
  Bytes block(size);
  if (!::GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return std::nullopt;
  return block;
}

std::optional<FixedFileInfo> Win32VersionInfo::QueryFixed(const Bytes& block) {
  const auto value = QueryValue(block, "\\");
  if (!value || value->size() < sizeof(VS_FIXEDFILEINFO)) return std::nullopt;
  VS_FIXEDFILEINFO raw{};
  std::memcpy(&raw, value->data(), sizeof raw);
  return FixedFileInfo{raw.dwSignature,     raw.dwStrucVersion,     raw.dwFileVersionMS,
                       raw.dwFileVersionLS, raw.dwProductVersionMS, raw.dwProductVersionLS,
                       raw.dwFileFlagsMask, raw.dwFileFlags,        raw.dwFileOS,
                       raw.dwFileType,      raw.dwFileSubtype,      raw.dwFileDateMS,
                       raw.dwFileDateLS};
}

std::vector<Translation> Win32VersionInfo::QueryTranslations(const Bytes& block) {
  std::vector<Translation> translations;
  const auto value = QueryValue(block, "\\VarFileInfo\\Translation");
  if (!value) return translations;
  for (size_t at = 0; at + 4 <= value->size(); at += 4) {
    const uint32_t pair = ReadDword(*value, at);
    translations.push_back({static_cast<uint16_t>(pair), static_cast<uint16_t>(pair >> 16)});
  }
  return translations;
}

std::optional<std::string> Win32VersionInfo::QueryString(const Bytes& block,
                                                         const std::string& subBlock) {
  const auto value = QueryValue(block, subBlock.c_str());
  if (!value) return std::nullopt;
  // The length counts the terminating zero, when there is one.
  const auto end = std::find(value->begin(), value->end(), uint8_t{0});
  return std::string(value->begin(), end);
}

}  // namespace cvn::platform::win32
