// The location table behind the "X|" path notation: the folders of the
// one-character location codes and the drive letters, filled from the
// machine on first use.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Machine.h"

namespace cvn {

class ConfigSection;

// One character naming a folder: W Windows, S system, T temporary, X the
// program's own folder, 1 the application folder, 2 a second folder; any
// other code is defined in Directory Info.
using LocationCode = char;

class Locations {
 public:
  // A folder holds at most this many characters, terminator included.
  static constexpr size_t kFolderCapacity = 260;

  // Fills the table from the machine the first time; later calls do nothing.
  void EnsureFilled(platform::Machine& machine);
  bool IsFilled() const { return filled_; }

  // True for the codes the table itself holds (W S T X 1 2).
  static bool IsBuiltIn(LocationCode code);
  // The folder of a built-in code; empty for any other code.
  const std::string& Folder(LocationCode code) const;
  // Sets a built-in folder, cut to the capacity; other codes are ignored.
  void SetFolder(LocationCode code, std::string_view folder);

  char applicationDrive = 'C';
  char ownDrive = 'C';
  char windowsDrive = 'C';
  char cdromDrive = 'D';
  // A drive of type CD-ROM was found; cdromDrive is then its letter.
  bool cdromFound = false;

  // The application runs from the first CD-ROM drive: its letter, and a
  // drive of that type (a fixed D: of a machine without CD-ROM is not it).
  bool AppOnCdRom() const;
  bool AppOnFloppy() const;
  // From the CD-ROM or a floppy: the application counts as not installed.
  bool AppOnRemovableMedia() const { return AppOnCdRom() || AppOnFloppy(); }
  // Directory Info of the loaded database, which defines the further codes;
  // null before one is attached and once its database is gone, so a run
  // never reaches into a destroyed database.
  ConfigSection* DirectoryInfo() const { return directoryInfo_.lock().get(); }
  void SetDirectoryInfo(std::weak_ptr<ConfigSection> section) { directoryInfo_ = std::move(section); }
  const std::weak_ptr<ConfigSection>& WatchedDirectoryInfo() const { return directoryInfo_; }

 private:
  // The folder string of a built-in code, const or not; null otherwise.
  template <class Self>
  static auto* Slot(Self& self, LocationCode code);

  std::weak_ptr<ConfigSection> directoryInfo_;
  bool filled_ = false;
  std::string windows_;
  std::string system_;
  std::string temp_;
  std::string own_;
  std::string application_;
  std::string second_;
};

}  // namespace cvn
