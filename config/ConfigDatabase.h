// The loaded configuration database (.cdb): its sixteen standard sections
// and any others the file names, the two system profiles, the file
// information and the flags the checks share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/ConfigSection.h"
#include "config/FileInfoEntry.h"
#include "config/SectionId.h"
#include "config/SystemProfile.h"
#include "platform/Types.h"

namespace cvn {

struct RunContext;

class ConfigDatabase {
 public:
  // The sixteen standard sections exist from construction on.
  ConfigDatabase();
  ConfigDatabase(const ConfigDatabase&) = delete;
  ConfigDatabase& operator=(const ConfigDatabase&) = delete;

  // Reads the .cdb at `path` into this freshly made database, locating the
  // application on the way. 0, or platform::kEFail (after a message box
  // when the path is empty or the file cannot be read).
  platform::HResult Load(RunContext& context, const std::string& path);

  // The first section with the standard name of `id`; null outside 0..15.
  ConfigSection* GetSection(SectionId id) const;
  // The first section of that name, without regard to case.
  ConfigSection* FindSection(std::string_view name) const;
  // Appends a Text section of that name.
  ConfigSection& AddSection(std::string name);
  const std::vector<std::unique_ptr<ConfigSection>>& Sections() const { return sections_; }

  // The first item of `section` named `name`; null for a null section.
  static ConfigItem* FindItem(const ConfigSection* section, std::string_view name,
                              CaseSensitivity sensitivity);

  // A pointer to one of our sections that a run may keep: it reads as null
  // once this database is gone, whichever of the two goes first.
  std::weak_ptr<ConfigSection> Watched(ConfigSection* section) const;

  // The expected sizes and dates of the shipped files.
  void AddFileInfo(FileInfoEntry entry);
  const FileInfoEntry* FindFileInfo(std::string_view fileName) const;
  const std::vector<FileInfoEntry>& FileInfo() const { return fileInfo_; }

  std::string title;
  SystemProfile systemInfo;
  SystemProfile minimumRequirements;
  std::string path;
  bool appWin32 = true;
  bool loadCheckIncomplete = false;

 private:
  ConfigSection& AddSection(std::string name, SectionType type, int linesPerEntry);

  std::vector<std::unique_ptr<ConfigSection>> sections_;
  std::unordered_map<std::string, size_t> sectionIndex_;  // case-folded name
  std::vector<FileInfoEntry> fileInfo_;
  std::unordered_map<std::string, size_t> fileInfoIndex_;
  // Owned by this database alone: what Watched() hands out expires with it.
  std::shared_ptr<const char> lifetime_ = std::make_shared<const char>('\0');
};

}  // namespace cvn
