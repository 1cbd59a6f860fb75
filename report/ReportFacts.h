// What the support report says, gathered once from the same checks the
// text report runs, for the formats that machines read (the JSON report,
// cvntool check). Texts are in the machine's ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checks/Requirements.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "report/ReportOptions.h"

namespace cvn {

// What Fix would do for an item or requirement; None when it offers nothing.
enum class OfferedFix { None, CopyFile, ReplaceFile, WriteValue, FreeDiskSpace };

// The text that names an offered fix in the machine-readable formats.
const char* OfferedFixName(OfferedFix fix);

// One aspect of a class or type library registration.
struct AspectFact {
  const char* aspect = "";  // "server", "progId", "version", "guid", "typeLibGuid", "name", "folder", "helpFolder"
  int status = 0;           // its sub-status
  std::string found;        // its display text
};

struct ItemFact {
  std::string name;
  bool required = false;
  int status = 0;  // the item's status; for a registration its largest sub-status
  int level = 0;   // the problem level
  char mark = ' ';
  std::string expected;
  std::string found;
  std::string notes;
  std::string action;       // settings: the suggested action
  std::string explanation;  // settings: the explanation
  std::vector<AspectFact> aspects;
  OfferedFix fix = OfferedFix::None;
};

struct SectionFact {
  SectionId id;
  std::vector<ItemFact> items;
};

struct ReportFacts {
  std::string database;  // the .cdb's path
  std::optional<std::string> application;
  std::optional<std::string> cdVolumeLabel;
  platform::SystemTime written;
  bool loadCheckIncomplete = false;
  bool fileInformation = false;
  bool fromCdRom = false;
  bool fromFloppy = false;
  std::vector<RequirementRow> requirements;
  SystemProfile machine;
  std::vector<SectionFact> sections;  // the checkable sections that list items
  ReportOptions options;
};

// Runs every check the report runs and keeps what it found. Settings and
// registrations are not checked when the application runs from a CD-ROM
// or a floppy, as in the report.
ReportFacts GatherReportFacts(RunContext& context, ConfigDatabase& database);

// The problem level of a failed requirement row.
inline constexpr int kFailedRequirementLevel = 5;

// Problem levels from this one up are problems; below it, from 2, warnings.
inline constexpr int kProblemLevel = 4;
inline constexpr int kWarningLevel = 2;

}  // namespace cvn
