#include "platform/emulated/FileMetadata.h"

#include <cstdio>
#include <vector>

#include "platform/emulated/HostFile.h"
#include "platform/emulated/IniDocument.h"
#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

bool IsAtOrBelow(const std::string& key, const std::string& folder) {
  return key == folder || (key.size() > folder.size() && key.compare(0, folder.size(), folder) == 0 &&
                           (key[folder.size()] == '\\' || folder.back() == '\\'));
}

}  // namespace

std::optional<FileMetadata> FileMetadata::Load(const std::filesystem::path& file, std::string& error) {
  FileMetadata store;
  store.file_ = file;
  const auto text = ReadHostFile(file);
  if (!text) return store;
  const IniDocument doc = IniDocument::Parse(*text);
  for (const auto& section : doc.Sections()) {
    if (section.name.empty()) continue;
    Record record;
    for (const auto& entry : section.entries) {
      // Past UINT32_MAX, also when the text is no number at all.
      const uint64_t value = entry.value ? ParseUnsigned(*entry.value).value_or(UINT64_MAX) : UINT64_MAX;
      if (EqualsNoCase(entry.name, "Attributes") && value <= UINT32_MAX) {
        record.attributes = static_cast<uint32_t>(value);
      } else if (EqualsNoCase(entry.name, "ShortName") && entry.value) {
        record.shortName = *entry.value;
      } else {
        error = file.filename().string() + " line " + std::to_string(entry.line) + ": unknown entry";
        return std::nullopt;
      }
    }
    store.records_[ToUpper(section.name)] = record;
  }
  return store;
}

bool FileMetadata::Save() const {
  std::string text;
  for (const auto& [key, record] : records_) {
    if (!record.attributes && record.shortName.empty()) continue;
    text += "[" + key + "]\r\n";
    if (record.attributes) {
      char hex[16];
      std::snprintf(hex, sizeof hex, "0x%08X", *record.attributes);
      text += std::string("Attributes=") + hex + "\r\n";
    }
    if (!record.shortName.empty()) text += "ShortName=" + record.shortName + "\r\n";
  }
  return WriteHostFileAtomically(file_, text);
}

std::optional<uint32_t> FileMetadata::Attributes(const std::string& key) const {
  const auto it = records_.find(key);
  return it == records_.end() ? std::nullopt : it->second.attributes;
}

void FileMetadata::SetAttributes(const std::string& key, uint32_t attributes) {
  records_[key].attributes = attributes;
}

std::string FileMetadata::ShortName(const std::string& key) const {
  const auto it = records_.find(key);
  return it == records_.end() ? std::string() : it->second.shortName;
}

void FileMetadata::SetShortName(const std::string& key, const std::string& shortName) {
  records_[key].shortName = shortName;
}

void FileMetadata::Forget(const std::string& key) {
  std::erase_if(records_, [&](const auto& item) { return IsAtOrBelow(item.first, key); });
}

void FileMetadata::Move(const std::string& from, const std::string& to) {
  std::vector<std::pair<std::string, Record>> moved;
  for (const auto& [key, record] : records_) {
    if (IsAtOrBelow(key, from)) moved.emplace_back(to + key.substr(from.size()), record);
  }
  Forget(from);
  Forget(to);
  for (auto& [key, record] : moved) records_[key] = record;
}

}  // namespace cvn::emulated
