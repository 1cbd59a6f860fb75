// The result vocabulary of the checks: status codes of files and settings,
// the sub-statuses of COM registrations, the texts that go with them and
// the problem level shown for an item.
#pragma once

#include "config/Items.h"

namespace cvn {

// Status of a FileItem.
namespace filestatus {
inline constexpr int kOk = 0;
inline constexpr int kNotFound = 1;
inline constexpr int kMoreThanOneFolder = 2;
inline constexpr int kUnexpectedFolder = 3;  // found or loaded there
inline constexpr int kBothFolderFindings = 4;
inline constexpr int kNotLoadable = 5;
inline constexpr int kNoVersionInfo = 6;
inline constexpr int kRejectedVersion = 7;
inline constexpr int kOlderVersion = 8;
inline constexpr int kUnexpectedSizeAndDate = 9;
inline constexpr int kUnexpectedDate = 10;
inline constexpr int kUnexpectedSize = 11;
}  // namespace filestatus

// Status of a SettingItem.
namespace settingstatus {
inline constexpr int kOk = 0;
inline constexpr int kInvalid = 1;
inline constexpr int kNotFound = 2;
inline constexpr int kBlank = 3;  // blank although "*" asks for a value
inline constexpr int kNotAcceptable = 4;
inline constexpr int kUnhandledType = 5;
}  // namespace settingstatus

// Sub-status of one aspect of a ServerItem or TypeLibItem; larger values
// each mark a mismatch of that aspect.
namespace substatus {
inline constexpr int kNotChecked = 0;
inline constexpr int kMatches = 1;
inline constexpr int kNotFound = 2;
inline constexpr int kWrongFolder = 3;
inline constexpr int kWrongProgId = 4;
inline constexpr int kWrongTypeLib = 5;
inline constexpr int kOlderVersion = 6;
inline constexpr int kWrongClsid = 7;
inline constexpr int kWrongName = 8;
}  // namespace substatus

// Problem levels; they double as the index of the status image.
namespace level {
inline constexpr int kNone = 0;
inline constexpr int kWarning = 2;
inline constexpr int kSeriousWarning = 3;
inline constexpr int kProblem = 4;
inline constexpr int kSeriousProblem = 5;
inline constexpr int kAtRestart = 4;  // added to 2..5 while a fix waits for a restart
inline constexpr int kReverted = 10;
inline constexpr int kRevertedAtRestart = 11;
}  // namespace level

// The texts of a file status: the finding and the format of the figures
// that follow it (0 when there is none). A status 4 is told with the texts
// of 3 and of 2; a load from an unexpected folder with kLoadedUnexpectedFolder.
struct StatusTexts {
  int finding = 0;
  int details = 0;
};
StatusTexts FileStatusTexts(int status);

// The text shown instead of the vendor's action for a setting status, or 0.
int SettingActionTextId(int status, SectionType settingType);

// The shown severity of a checked item; level::kNone when it has no problem.
int ProblemLevel(const FileItem& item);
int ProblemLevel(const SettingItem& item);
int ProblemLevel(const ServerItem& item);
int ProblemLevel(const TypeLibItem& item);

}  // namespace cvn
