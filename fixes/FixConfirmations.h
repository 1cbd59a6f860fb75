// The confirmations a repair asks before it changes the machine, as the
// core hands them to a dialog: every field the dialog shows, with the
// fields to emphasise. The Windows build shows the real dialogs; the
// emulated machine and cvntool answer from a script or by rule.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace cvn {

// Dialog template numbers of the confirmations.
namespace confirmdialog {
inline constexpr int kReplaceFile = 113;
inline constexpr int kSetting = 115;
inline constexpr int kServer = 117;
inline constexpr int kTypeLibrary = 119;
inline constexpr int kCopyFile = 120;
}  // namespace confirmdialog

// One side of a file confirmation: location, version, size and date, each
// shown in bold when the check found it different.
struct FileFacts {
  std::string location;
  std::string version;
  std::string size;
  std::string date;
  bool locationBold = false;
  bool versionBold = false;
  bool sizeBold = false;
  bool dateBold = false;
};

// "Confirm File Copy": Replace/With (113) for an existing file, Copy/To
// (120) for a missing one.
struct FileConfirmation {
  int dialog = confirmdialog::kReplaceFile;
  std::string fileName;         // 1216, always bold
  std::string typeDescription;  // 1217
  platform::IconHandle icon = 0;  // 1001
  // 113: "Replace:" 1218-1221, the current file. 120: "To:" 1218, the
  // destination folder only.
  FileFacts current;
  // 113: "With:" 1222-1225. 120: "Copy:" 1222-1225. Never bold.
  FileFacts replacement;
  std::string note;  // 1229
};

// "Confirm INI File Fix" / "Confirm Registry Fix" (115).
struct SettingConfirmation {
  std::string caption;
  int icon = 0;             // icon resource 648 (INI) or 643 (Registry) in 1001
  std::string firstLabel;   // 1251: "File:" or "Key:"
  std::string secondLabel;  // 1252: "Section:" or "Subkey:"
  std::string firstPart;    // 1216, bold: the INI file or the Registry root
  std::string secondPart;   // 1250: the section or the subkey
  std::string valueName;    // 1246
  std::string actual;       // 1247 "Replace:"
  // With more than one allowed value the drop-down list 1256 shows them and
  // the edit 1257 is hidden and disabled; otherwise the list is hidden and
  // disabled and the edit shows the proposal.
  bool useList = false;
  std::vector<std::string> choices;
  std::string proposal;  // the text of 1256 or 1257
};

// A registration field side by side: actual and expected.
struct RegistrationField {
  std::string actual;
  std::string expected;
  bool actualBold = false;
  bool expectedBold = false;
};

// "OLE Registry Details" (116) and "Confirm OLE Registry Fix" (117).
struct ServerConfirmation {
  int dialog = confirmdialog::kServer;
  std::string name;        // 1216, bold
  std::string secondText;  // 1217
  RegistrationField location;  // 1234 / 1237
  RegistrationField progId;    // 1235 / 1238
  RegistrationField version;   // 1219 / 1223
  RegistrationField guid;      // 1236 / 1239
  RegistrationField typeLib;   // 1226 / 1227
  // The details variant only: 1249, and whether label 1253 is enabled.
  std::string suggestedAction;
  bool suggestedActionEnabled = false;
};

// "Type Library Registry Details" (118) and its confirmation (119).
struct TypeLibConfirmation {
  int dialog = confirmdialog::kTypeLibrary;
  std::string name;                // 1216, bold
  std::string libraryFile;         // 1217, as the list row shows it
  RegistrationField libraryName;   // 1240 / 1243
  RegistrationField version;       // 1219 / 1223
  RegistrationField location;      // 1218 / 1222
  RegistrationField helpLocation;  // 1242 / 1245
  std::string suggestedAction;
  bool suggestedActionEnabled = false;
};

// Judges a text confirmed in the setting dialog: empty when it can be
// written, else the message to show while the dialog stays open.
using SettingTextCheck = std::function<std::string(const std::string&)>;

class FixConfirmations {
 public:
  virtual ~FixConfirmations() = default;
  // True when the user answered Yes.
  virtual bool ConfirmFile(const FileConfirmation& confirmation) = 0;
  // The text to write (at most 259 characters), or nothing for No. A text
  // that `check` refuses is never returned: the dialog shows the message
  // and stays open.
  virtual std::optional<std::string> ConfirmSetting(const SettingConfirmation& confirmation,
                                                    const SettingTextCheck& check) = 0;
  virtual bool ConfirmServer(const ServerConfirmation& confirmation) = 0;
  virtual bool ConfirmTypeLibrary(const TypeLibConfirmation& confirmation) = 0;
};

}  // namespace cvn
