// The minimum requirements of the application against the measured
// machine: reading them from the database and the sixteen requirement
// rows that the requirements page and the report show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/SystemProfile.h"
#include "platform/Types.h"
#include "util/ListSurface.h"

namespace cvn {

struct RunContext;
class ConfigDatabase;

// What the details button of a requirement row opens.
namespace details {
inline constexpr int kNone = 0;
inline constexpr int kWindowsVersion = 1;
inline constexpr int kDiskSpace = 2;
inline constexpr int kVideo = 3;
inline constexpr int kConfigSys = 4;
}  // namespace details

// Reads "Minimum Requirements Info" into `minimum`; keys the section does
// not name leave their fields as they were. platform::kEFail when the
// database has no such section, or an empty one.
platform::HResult ReadRequirements(const ConfigDatabase& database, SystemProfile& minimum);

struct RequirementRow {
  std::string name;
  std::string actual;
  std::string minimum;
  bool failed = false;
  int detailsKind = details::kNone;
  bool canFreeSpace = false;  // a failed disk row whose temporary files reach 1 MB
};

// The requirement rows in their fixed order. The "App Disk Space" row is
// left out when the application runs from the CD-ROM drive or a floppy.
std::vector<RequirementRow> EvaluateRequirements(RunContext& context, const SystemProfile& measured,
                                                 const SystemProfile& minimum);

// True when the application drive is the first CD-ROM drive (by letter
// and type), A or B.
bool RunsFromRemovableMedia(RunContext& context);

// Appends the rows to `list` (all of them with `showAll`, else only the
// failed ones) with their RowData; `problemCount` counts every failed
// requirement, shown or not. Returns 0.
platform::HResult CompareRequirements(RunContext& context, const ConfigDatabase& database, ListSurface& list,
                                      bool showAll, int& problemCount);

}  // namespace cvn
