// The lines of the usage database (.udb): section headers, entry lines and
// snapshot lines, read alike by the refresh and by the recent-changes list,
// and written through the column writer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/ConfigDatabase.h"
#include "util/text/ColumnWriter.h"

namespace cvn {

// What a section header of the usage database starts.
enum class UsageSection { Other, Preferences, DirectoryInfo, Files, IniSettings, RegistrySettings, End };

struct UsageHeader {
  UsageSection kind = UsageSection::Other;
  SectionId id = SectionId::AppInfo;  // the database section of a file or settings section
};

// The sections that hold recorded items, in the order the file has them.
inline constexpr std::array<SectionId, 6> kRecordedSections = {
    SectionId::ProgramInfo, SectionId::DllInfo,  SectionId::ControlInfo,
    SectionId::DriverInfo,  SectionId::IniInfo, SectionId::RegistryInfo};

// The header name (as HeaderName gives it) compared without regard to case.
UsageHeader ReadUsageHeader(std::string_view name);

// Entry lines begin with a non-blank character, snapshot lines with a blank.
bool IsSnapshotLine(std::string_view rawLine);

// Twelve digits YYYYMMDDhhmm of a possible local time.
bool IsTimestamp(std::string_view text);

// "NAME, CODE" or "NAME, FOLDER".
struct FileEntryLine {
  std::string name;
  std::string where;
};
// Nothing when the cleaned line has no file name.
std::optional<FileEntryLine> ReadFileEntryLine(std::string_view cleanedLine);

// "   STAMP=VERSION, SIZE, TIME".
struct FileSnapshot {
  std::string stamp;
  std::string version;
  uint32_t size = 0;
  std::string time;
};
// Read from the raw line, from the right, so that a version text holding
// commas or semicolons reads back as written. Nothing for a line that does
// not have all four parts in their forms.
std::optional<FileSnapshot> ReadFileSnapshot(std::string_view rawLine);

// "   STAMP=VALUE"; the value is everything after the '=', as written.
struct SettingSnapshot {
  std::string stamp;
  std::string value;
};
std::optional<SettingSnapshot> ReadSettingSnapshot(std::string_view rawLine);

std::string FileEntryText(const FileEntryLine& entry);
std::string FileSnapshotText(const FileSnapshot& snapshot);
std::string SettingSnapshotText(const SettingSnapshot& snapshot);

// A value as a snapshot line keeps it: control characters (tabs, line ends)
// become blanks, so that the value stays on its one line.
std::string OneLineText(std::string_view value);
// A version text as a snapshot line keeps it: on one line, edge blanks dropped.
std::string RecordedVersion(std::string_view version);

// Writes whole lines, each ending in CR LF, through a column writer of one
// column at 0 that is 1000 characters wide, or as wide as a longer line:
// a wrapped piece would read back as an entry line of its own.
class UsageLineWriter {
 public:
  explicit UsageLineWriter(TextFile& file);
  void Line(std::string_view text);
  void EmptyLine();

 private:
  ColumnWriter writer_;
};

}  // namespace cvn
