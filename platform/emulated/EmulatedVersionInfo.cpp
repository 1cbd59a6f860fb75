#include "platform/emulated/EmulatedVersionInfo.h"

#include <algorithm>

#include "util/pe/AnsiText.h"
#include "util/pe/PeFile.h"
#include "util/pe/ResourceTable.h"
#include "util/pe/VersionBlock.h"

namespace cvn::emulated {

namespace {

constexpr uint16_t kVersionId = 1;
constexpr uint8_t kSignature[] = {'F', 'E', '2', 'X'};

// VS_FIXEDFILEINFO's words in the order the block stores them.
constexpr uint32_t platform::FixedFileInfo::*kFixedFields[] = {
    &platform::FixedFileInfo::signature,        &platform::FixedFileInfo::structVersion,
    &platform::FixedFileInfo::fileVersionMS,    &platform::FixedFileInfo::fileVersionLS,
    &platform::FixedFileInfo::productVersionMS, &platform::FixedFileInfo::productVersionLS,
    &platform::FixedFileInfo::fileFlagsMask,    &platform::FixedFileInfo::fileFlags,
    &platform::FixedFileInfo::fileOS,           &platform::FixedFileInfo::fileType,
    &platform::FixedFileInfo::fileSubtype,      &platform::FixedFileInfo::fileDateMS,
    &platform::FixedFileInfo::fileDateLS,
};

std::span<const uint8_t> View(const platform::Bytes& bytes) { return {bytes.data(), bytes.size()}; }

}  // namespace

std::optional<platform::Bytes> EmulatedVersionInfo::Resource(const std::string& path) {
  const auto file = files_.ReadFile(path);
  if (!file) return std::nullopt;
  const auto pe = pe::PeFile::Parse(View(*file));
  if (!pe) return std::nullopt;
  const auto table = pe::ResourceTable::Read(*pe);
  const pe::Resource* resource = table ? table->Find(pe::restype::kVersion, kVersionId) : nullptr;
  if (!resource) return std::nullopt;
  const auto data = pe::ResourceData(*pe, *resource);
  if (!data) return std::nullopt;
  return platform::Bytes(data->begin(), data->end());
}

uint32_t EmulatedVersionInfo::GetSize(const std::string& path) {
  const auto resource = Resource(path);
  return resource ? static_cast<uint32_t>(resource->size() * 2 + 4) : 0;
}

std::optional<platform::Bytes> EmulatedVersionInfo::GetInfo(const std::string& path) {
  const auto resource = Resource(path);
  if (!resource || resource->size() < 2) return std::nullopt;
  platform::Bytes block(resource->size() * 2 + 4, 0);
  std::copy(resource->begin(), resource->end(), block.begin());
  const size_t length = static_cast<size_t>((*resource)[0] | ((*resource)[1] << 8));
  if (length + sizeof kSignature <= block.size()) std::copy(std::begin(kSignature), std::end(kSignature), block.begin() + static_cast<std::ptrdiff_t>(length));
  return block;
}

std::optional<platform::FixedFileInfo> EmulatedVersionInfo::QueryFixed(const platform::Bytes& block) {
  const auto version = pe::VersionBlock::Parse(View(block));
  const auto words = version ? version->FixedInfo() : std::nullopt;
  if (!words) return std::nullopt;
  platform::FixedFileInfo info;
  for (size_t i = 0; i < words->size(); ++i) info.*kFixedFields[i] = (*words)[i];
  return info;
}

std::vector<platform::Translation> EmulatedVersionInfo::QueryTranslations(const platform::Bytes& block) {
  std::vector<platform::Translation> translations;
  const auto version = pe::VersionBlock::Parse(View(block));
  if (!version) return translations;
  for (const auto& t : version->Translations()) translations.push_back({t.language, t.codePage});
  return translations;
}

std::optional<std::string> EmulatedVersionInfo::QueryString(const platform::Bytes& block, const std::string& subBlock) {
  const auto version = pe::VersionBlock::Parse(View(block));
  if (!version) return std::nullopt;
  const auto text = version->Text(subBlock);
  if (!text) return std::nullopt;
  return pe::ToAnsi(*text);
}

}  // namespace cvn::emulated
