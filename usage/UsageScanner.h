// Walks the lines of a usage database and tells what each one is: a
// section header, an entry or snapshot line of a recorded section (read,
// or unreadable), or a line of another section. The refresh and the
// recent-changes list read the file through it, so that both see the same
// entries and snapshots.
#pragma once

#include <string_view>

#include "usage/RawLines.h"
#include "usage/UsageLines.h"

namespace cvn {

enum class LineKind {
  Skipped,      // nothing left once cleaned
  Header,       // starts `section`
  Plain,        // a line of Preferences, Directory Info, another section or none
  Entry,        // an entry line of a recorded section
  Snapshot,     // a snapshot line of a recorded section
  BadEntry,     // an entry line without a file name
  BadSnapshot,  // a snapshot line that cannot be read
};

struct ScannedLine {
  RawLine raw;
  std::string_view cleaned;
  LineKind kind = LineKind::Skipped;
  UsageHeader section;      // the section the line is in, or that it starts
  FileEntryLine fileEntry;  // an Entry of a file section; a settings entry is `cleaned`
  FileSnapshot file;        // a Snapshot of a file section
  SettingSnapshot setting;  // a Snapshot of a settings section
};

class UsageScanner {
 public:
  explicit UsageScanner(std::string_view content) : lines_(content) {}
  bool Next(ScannedLine& line);
  // The content after the lines given so far.
  std::string_view Rest() const { return lines_.Rest(); }

 private:
  void ReadRecordedLine(ScannedLine& line) const;

  RawLineSplitter lines_;
  UsageHeader section_;
};

}  // namespace cvn
