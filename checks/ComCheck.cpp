#include "checks/ComCheck.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "checks/SettingMatch.h"
#include "config/ItemStatus.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"
#include "platform/RegistryKey.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

constexpr std::string_view kVersionMark = "(Ver ";

// One judged aspect: its sub-status, display text and the value found.
struct Aspect {
  int status = substatus::kNotChecked;
  std::string text;
  std::string found;
};

// A key whose default value is compared with an expected text.
struct Reading {
  std::string key;
  std::string expected;
};

// Which reading decides an aspect judged from several.
enum class Decides {
  FirstMismatch,  // every reading must match
  FirstMatch,     // one matching reading is enough
};

// The text inside the quotes a path is registered with, else the text.
std::string Unquoted(std::string_view text) {
  if (text.size() < 2 || text.front() != '"') return std::string(text);
  const size_t close = text.find('"', 1);
  return std::string(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The program a LocalServer32 command line names: the text inside its
// quotes, else the text up to ".exe" or to the first blank before an
// argument ("/automation", "-Embedding").
std::string ServerProgramOf(std::string_view command) {
  if (command.size() > 1 && command.front() == '"') return Unquoted(command);
  const std::string lower = ToLower(command);
  const size_t exe = lower.find(".exe ");
  if (exe != std::string::npos) return std::string(command.substr(0, exe + 4));
  for (size_t blank = command.find(' '); blank != std::string_view::npos; blank = command.find(' ', blank + 1)) {
    if (blank + 1 < command.size() && (command[blank + 1] == '/' || command[blank + 1] == '-')) {
      return std::string(command.substr(0, blank));
    }
  }
  return std::string(command);
}

class Judge {
 public:
  explicit Judge(RunContext& context)
      : context_(context), registry_(context.machine.Reg()), strings_(context.machine.Texts()) {}

  std::optional<std::string> Read(const std::string& key) {
    return ReadDefaultValue(registry_, platform::hkey::kClassesRoot, key);
  }
  bool Exists(const std::string& key) {
    return KeyExists(registry_, platform::hkey::kClassesRoot, key);
  }

  // A match shows the expected value; a mismatch gives `mismatch` and shows
  // both values, the found one first.
  Aspect Compare(const std::string& found, const std::string& expected, bool same, int mismatch) {
    if (same) return {substatus::kMatches, expected, found};
    return {mismatch, LoadText(strings_, IDS_EXPECTED_OTHER, {found, expected}), found};
  }

  // Compares the readings that exist, in order, without regard to case.
  Aspect Readings(const std::vector<Reading>& readings, int mismatch, Decides decides) {
    Aspect aspect;
    for (const Reading& reading : readings) {
      const std::optional<std::string> value = Read(reading.key);
      if (!value) continue;
      aspect = Compare(*value, reading.expected, EqualsNoCase(*value, reading.expected), mismatch);
      const bool matched = aspect.status == substatus::kMatches;
      if (matched == (decides == Decides::FirstMatch)) break;
    }
    return aspect;
  }

  // Two paths that name the same file or folder, however each is written:
  // long or short (8.3) names, a trailing backslash, letter case.
  bool SamePath(const std::string& a, const std::string& b) {
    return EqualsNoCase(DisplayForm(a), DisplayForm(b)) || SamePathValue(context_, a, b);
  }

  // The file a registration names, as COM finds it: without its quotes or
  // arguments, and a bare file name where the search path finds it.
  std::string RegisteredFile(std::string_view value) {
    std::string file = ServerProgramOf(value);
    if (!file.empty() && file.find_first_of("\\/:") == std::string::npos) {
      std::string found = context_.machine.Files().SearchPath(file);
      if (!found.empty()) return found;
    }
    return file;
  }

  // Two folders, compared as paths and shown in display form.
  Aspect Folders(const std::string& found, const std::string& expected) {
    const std::string a = DisplayForm(Unquoted(found));
    const std::string b = DisplayForm(expected);
    return Compare(a, b, SamePath(a, b), substatus::kWrongFolder);
  }

  // A registered file judged against the expected one (the program of a
  // command line is what is kept as found): a mismatch shows the
  // two folders, or the two files where the folders are the same or the
  // registration names no folder.
  Aspect Files(const std::string& registered, const std::string& expected) {
    const std::string program = ServerProgramOf(registered);
    const std::string file = RegisteredFile(program);
    if (SamePath(file, expected)) return {substatus::kMatches, expected, program};
    const std::string folder = DirectoryForm(file);
    const bool byFile = folder.empty() || SamePath(folder, DirectoryForm(expected));
    Aspect aspect = byFile ? Compare(DisplayForm(file), DisplayForm(expected), false, substatus::kWrongFolder)
                           : Compare(folder, DirectoryForm(expected), false, substatus::kWrongFolder);
    aspect.found = program;
    return aspect;
  }

  Aspect NotFound() { return {substatus::kNotFound, strings_.Load(IDS_NOT_FOUND), ""}; }

  // The fix note when any aspect has a finding.
  template <size_t N>
  std::string NotesFor(const std::array<int, N>& subStatus) {
    for (const int s : subStatus) {
      if (s > substatus::kMatches) return strings_.Load(IDS_FIX_AUTOMATICALLY_NOTE);
    }
    return {};
  }

  // The folder of a location code, expanded, with its trailing backslash.
  std::string CodeFolder(char code) { return LocationFolder(context_, code); }

 private:
  RunContext& context_;
  platform::Registry& registry_;
  platform::Strings& strings_;
};

// Stores a judged aspect in the item, and the value found in `found`.
template <class Item, class AspectId>
void Record(Item& item, AspectId aspect, Aspect judged, std::string& found) {
  item.SubStatus(aspect) = judged.status;
  item.displayTexts[static_cast<size_t>(aspect)] = std::move(judged.text);
  found = std::move(judged.found);
}

void ClearAll(std::initializer_list<std::string*> texts) {
  for (std::string* text : texts) text->clear();
}

// A reading of a ProgID's subkey; none when the ProgID is empty.
void AddProgIdReading(std::vector<Reading>& readings, const std::string& progId,
                      const std::string& subKey, const std::string& expected) {
  if (!progId.empty()) readings.push_back({progId + "\\" + subKey, expected});
}

// ---- class registration ----

class ServerCheck {
 public:
  ServerCheck(RunContext& context, ServerItem& item)
      : judge_(context), item_(item), classKey_("CLSID\\" + FormatGuid(item.clsid)) {}

  void Run() {
    Record(item_, ServerAspect::ServerLocation, ServerLocation(), item_.registeredServerPath);
    Record(item_, ServerAspect::ProgId, ProgId(), item_.foundProgId);
    Record(item_, ServerAspect::Version, Version(), item_.foundVersion);
    Record(item_, ServerAspect::Clsid, ClassIdentifier(), item_.foundClsid);
    Record(item_, ServerAspect::TypeLib, TypeLibrary(), item_.foundTypeLib);
    item_.notes = judge_.NotesFor(item_.subStatus);
    // What an unregistered class left behind is not its registration.
    if (item_.SubStatus(ServerAspect::ServerLocation) == substatus::kNotFound) {
      ClearAll({&item_.foundProgId, &item_.foundVersion, &item_.foundClsid, &item_.foundTypeLib});
    }
  }

 private:
  Aspect ServerLocation() {
    item_.expectedServerPath = judge_.CodeFolder(item_.folderCode) + item_.serverFile;
    std::optional<std::string> registered = judge_.Read(classKey_ + "\\InprocServer32");
    if (!registered) registered = judge_.Read(classKey_ + "\\LocalServer32");
    if (!registered) return judge_.NotFound();
    return judge_.Files(*registered, item_.expectedServerPath);
  }

  Aspect ProgId() {
    std::vector<Reading> readings{{classKey_ + "\\ProgID", item_.progId}};
    AddProgIdReading(readings, item_.versionIndependentProgId, "CurVer", item_.progId);
    readings.push_back({classKey_ + "\\VersionIndependentProgID", item_.versionIndependentProgId});
    return judge_.Readings(readings, substatus::kWrongProgId, Decides::FirstMismatch);
  }

  // A registration newer than expected is accepted.
  Aspect Version() {
    const std::optional<std::string> registered = judge_.Read(classKey_ + "\\Version");
    if (!registered) return {};
    const bool recentEnough = CompareVersions(item_.version, *registered) <= 0;
    return judge_.Compare(*registered, item_.version, recentEnough, substatus::kOlderVersion);
  }

  Aspect ClassIdentifier() {
    const std::string expected = FormatGuid(item_.clsid);
    std::vector<Reading> readings;
    AddProgIdReading(readings, item_.progId, "CLSID", expected);
    AddProgIdReading(readings, item_.versionIndependentProgId, "CLSID", expected);
    return judge_.Readings(readings, substatus::kWrongClsid, Decides::FirstMismatch);
  }

  Aspect TypeLibrary() {
    return judge_.Readings({{classKey_ + "\\TypeLib", FormatGuid(item_.typeLib)}},
                           substatus::kWrongTypeLib, Decides::FirstMismatch);
  }

  Judge judge_;
  ServerItem& item_;
  const std::string classKey_;
};

// ---- type library ----

class TypeLibCheck {
 public:
  TypeLibCheck(RunContext& context, TypeLibItem& item)
      : judge_(context),
        item_(item),
        appBitness_(context.appBitness),
        libraryKey_("TypeLib\\" + FormatGuid(item.libId)),
        versionKey_(libraryKey_ + "\\" + item.version) {}

  void Run() {
    Record(item_, TypeLibAspect::Name, Name(), item_.foundName);
    Record(item_, TypeLibAspect::Version, Version(), item_.foundVersion);
    item_.expectedFileFolder = DisplayForm(judge_.CodeFolder(item_.folderCode));
    Record(item_, TypeLibAspect::FileLocation, FileLocation(), item_.foundFileFolder);
    item_.expectedHelpFolder = DisplayForm(judge_.CodeFolder(item_.helpFolderCode));
    Record(item_, TypeLibAspect::HelpLocation, HelpLocation(), item_.foundHelpFolder);
    item_.notes = judge_.NotesFor(item_.subStatus);
    // A library of another name in another folder is not this one.
    if (item_.SubStatus(TypeLibAspect::Name) == substatus::kWrongName &&
        item_.SubStatus(TypeLibAspect::FileLocation) == substatus::kWrongFolder) {
      ClearAll({&item_.foundName, &item_.foundVersion, &item_.foundFileFolder, &item_.foundHelpFolder});
    }
  }

 private:
  Aspect Name() {
    return judge_.Readings({{libraryKey_, item_.Name()}, {versionKey_, item_.Name()}},
                           substatus::kWrongName, Decides::FirstMatch);
  }

  // The version key's value ends in "(Ver x.y)" when it names its version.
  Aspect Version() {
    if (!judge_.Exists(versionKey_)) return {};
    const std::string value = judge_.Read(versionKey_).value_or("");
    const size_t mark = value.find(kVersionMark);
    if (mark == std::string::npos) return {substatus::kMatches, item_.version, item_.version};
    std::string registered = value.substr(mark + kVersionMark.size());
    if (!registered.empty()) registered.pop_back();
    const bool recentEnough = CompareVersions(item_.version, registered) <= 0;
    return judge_.Compare(registered, item_.version, recentEnough, substatus::kOlderVersion);
  }

  // A 64-bit application's library is registered for "win64".
  std::vector<const char*> LibraryFileKeys() const {
    if (appBitness_ == bitness::k64) return {"\\0\\win64", "\\0\\win32"};
    return {"\\0\\win32"};
  }

  // The Dir value, else the folder of the library file.
  Aspect FileLocation() {
    const std::string& expected = item_.expectedFileFolder;
    Aspect aspect;
    if (const std::optional<std::string> dir = judge_.Read(libraryKey_ + "\\Dir")) {
      aspect = judge_.Folders(*dir, expected);
      if (aspect.status == substatus::kMatches) return aspect;
    }
    for (const char* platformKey : LibraryFileKeys()) {
      if (const std::optional<std::string> file = judge_.Read(versionKey_ + platformKey)) {
        return judge_.Folders(DirectoryForm(Unquoted(*file)), expected);
      }
    }
    return aspect.status == substatus::kNotChecked ? judge_.NotFound() : aspect;
  }

  Aspect HelpLocation() {
    const std::optional<std::string> dir = judge_.Read(libraryKey_ + "\\HelpDir");
    if (!dir) return {};
    return judge_.Folders(*dir, item_.expectedHelpFolder);
  }

  Judge judge_;
  TypeLibItem& item_;
  const int appBitness_;
  const std::string libraryKey_;
  const std::string versionKey_;
};

}  // namespace

void CheckServer(RunContext& context, ServerItem& item) {
  if (item.checked) return;
  ServerCheck(context, item).Run();
  item.checked = true;
}

void CheckTypeLibrary(RunContext& context, TypeLibItem& item) {
  if (item.checked) return;
  TypeLibCheck(context, item).Run();
  item.checked = true;
}

}  // namespace cvn
