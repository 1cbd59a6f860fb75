// The items of the database: what the vendor expects (read by the loader)
// and what a check found (written by the checks, read by the pages, fixes,
// report and usage database). Sections own their items.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "config/Guid.h"
#include "platform/Registry.h"
#include "platform/Types.h"

namespace cvn {

// The kind of a section, and so of the items it holds.
enum class SectionType : int {
  Text = 1,
  File = 2,
  IniSetting = 3,
  RegistrySetting = 4,
  ControlRegistration = 5,
  OleServer = 6,
  TypeLibrary = 7,
  Directory = 8,
};

class ConfigItem {
 public:
  explicit ConfigItem(std::string name) : name_(std::move(name)) {}
  virtual ~ConfigItem() = default;
  ConfigItem(const ConfigItem&) = delete;
  ConfigItem& operator=(const ConfigItem&) = delete;

  // The key, file name or display name by which the item is found. It never
  // changes, so the section's lookup index stays valid.
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

// A key = value line of a Text section.
struct TextItem : ConfigItem {
  using ConfigItem::ConfigItem;
  std::string value;
};

// A code = folder line of Directory Info. The value is kept in expanded
// display form when it looks like a path; locating the application
// overwrites the values of W, S, T, 1 and 2 with the resolved folders.
struct DirectoryItem : ConfigItem {
  using ConfigItem::ConfigItem;
  std::string value;
};

// Bitness of a file.
namespace bitness {
inline constexpr int kUnknown = 0;
inline constexpr int k16 = 1;
inline constexpr int k32 = 2;
inline constexpr int k64 = 3;
}  // namespace bitness

// Load results of the DLL load check.
namespace loadresult {
inline constexpr int kNone = 0;
inline constexpr int kNotLoaded = 100;
inline constexpr int kUnexpectedFolder = 102;
// The checker for the file's bitness could not run on this machine.
inline constexpr int kNotChecked = 103;
}  // namespace loadresult

// An expected program file, DLL, control or driver.
struct FileItem : ConfigItem {
  using ConfigItem::ConfigItem;

  // Expected part.
  char folderCode = '\0';
  char sourceCode = '\0';
  bool required = false;
  bool checkSizeAndDate = false;
  std::vector<std::string> acceptedVersions;
  std::vector<std::string> rejectedVersions;

  // Result part.
  int loadResult = loadresult::kNone;
  std::string problemText;
  int status = 0;
  bool checked = false;
  platform::SystemTime fileDate;
  uint32_t fileSize = 0;
  std::string actualVersion;
  std::string expectedVersion;
  std::string expectedFolder;
  std::string foundFolder;
  std::string otherFolder;  // the second copy's folder ("also found in")
  std::string actualSizeText;
  std::string expectedSizeText;
  std::string actualDateText;
  std::string expectedDateText;
  int bitness = bitness::kUnknown;
  bool versionProblem = false;
  bool notAtExpectedPlace = false;
  bool sizeDiffers = false;
  bool dateDiffers = false;
  bool fixPendingRestart = false;
  bool reverted = false;
};

// An expected INI or Registry value. Its name is the location: file,
// section and key, or root, subkey and value name, joined by backslashes.
struct SettingItem : ConfigItem {
  using ConfigItem::ConfigItem;
  const std::string& Location() const { return Name(); }

  // Expected part.
  std::vector<std::string> expectedValues;
  bool required = false;
  bool tracked = false;
  std::string actionKey;
  std::string explanationKey;
  std::string valueText;  // the whole expected-value field as read

  // Result part.
  platform::Bytes rawData;
  uint32_t dataType = platform::regtype::kString;  // until a check reads one
  uint32_t dataSize = 0;
  // The type the check found, kept also when dataType is 0 for a type the
  // check cannot handle, so that a fix writes the value back in its own type.
  uint32_t readType = platform::regtype::kString;
  bool checked = false;
  bool reverted = false;
  std::string actualDisplayText;
  std::string actionText;
  std::string actualValueText;
  std::string explanationText;
  int status = 0;
};

// The aspects of a COM class registration, in the order they are judged.
enum class ServerAspect : int { ServerLocation, ProgId, Version, Clsid, TypeLib };
inline constexpr size_t kServerAspects = 5;

// An expected COM class (ActiveX control or OLE server).
struct ServerItem : ConfigItem {
  using ConfigItem::ConfigItem;

  // Expected part.
  std::string serverFile;
  char folderCode = '\0';
  bool required = false;
  bool secondFlag = false;
  bool thirdFlag = false;
  std::string progId;
  std::string versionIndependentProgId;
  std::string version;
  Guid clsid;
  Guid typeLib;

  // Result part.
  bool checked = false;
  std::string expectedServerPath;
  std::string registeredServerPath;
  std::string foundProgId;
  std::string foundVersion;
  std::string foundClsid;
  std::string foundTypeLib;
  std::array<std::string, kServerAspects> displayTexts;
  std::string notes;
  std::array<int, kServerAspects> subStatus{};

  int& SubStatus(ServerAspect a) { return subStatus[static_cast<size_t>(a)]; }
  int SubStatus(ServerAspect a) const { return subStatus[static_cast<size_t>(a)]; }
};

// The aspects of a type library registration.
enum class TypeLibAspect : int { Name, Version, FileLocation, HelpLocation };
inline constexpr size_t kTypeLibAspects = 4;

// An expected type library.
struct TypeLibItem : ConfigItem {
  using ConfigItem::ConfigItem;

  // Expected part.
  std::string libraryFile;
  char folderCode = '\0';
  char helpFolderCode = '\0';
  std::string version;
  bool required = false;
  Guid libId;

  // Result part.
  bool checked = false;
  std::string foundName;
  std::string foundVersion;
  std::string foundFileFolder;
  std::string foundHelpFolder;
  std::string expectedFileFolder;
  std::string expectedHelpFolder;
  std::array<std::string, kTypeLibAspects> displayTexts;
  std::string notes;
  std::array<int, kTypeLibAspects> subStatus{};

  int& SubStatus(TypeLibAspect a) { return subStatus[static_cast<size_t>(a)]; }
  int SubStatus(TypeLibAspect a) const { return subStatus[static_cast<size_t>(a)]; }
};

}  // namespace cvn
