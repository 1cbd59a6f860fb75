#include "platform/emulated/MachineFacts.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

#include "platform/emulated/CivilTime.h"
#include "platform/emulated/IniDocument.h"
#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

using platform::DriveType;

// Windows 95 OSR2 reports at most this much through GetDiskFreeSpace.
constexpr uint64_t kMaxClusterBytes = 0x7FFF8000u;

template <typename T>
bool SetNumber(T& target, std::string_view text) {
  const auto value = ParseSigned(text);
  if (!value || *value < static_cast<int64_t>(std::numeric_limits<T>::min()) ||
      (*value > 0 && static_cast<uint64_t>(*value) > static_cast<uint64_t>(std::numeric_limits<T>::max()))) {
    return false;
  }
  target = static_cast<T>(*value);
  return true;
}

bool SetUnsigned64(uint64_t& target, std::string_view text) {
  const auto value = ParseUnsigned(text);
  if (value) target = *value;
  return value.has_value();
}

bool SetText(std::string& target, std::string_view text) {
  target = std::string(text);
  return true;
}

bool SetFlag(bool& target, std::string_view text) {
  const auto flag = ParseFlag(text);
  if (flag) target = *flag;
  return flag.has_value();
}

bool SetVersion(platform::OsVersion& version, std::string_view text) {
  const size_t dot = text.find('.');
  if (dot == std::string_view::npos) return false;
  return SetNumber(version.major, text.substr(0, dot)) && SetNumber(version.minor, text.substr(dot + 1));
}

bool SetPlatform(uint32_t& platformId, std::string_view text) {
  if (EqualsNoCase(text, "win32s")) platformId = platform::kPlatformWin32s;
  else if (EqualsNoCase(text, "windows")) platformId = platform::kPlatformWindows;
  else if (EqualsNoCase(text, "nt")) platformId = platform::kPlatformNt;
  else return SetNumber(platformId, text);
  return true;
}

// "1997-07-01 12:00:00", seconds optional.
bool SetClock(platform::SystemTime& now, std::string_view text) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  const std::string copy(text);
  const int read = std::sscanf(copy.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
  if (read < 5) return false;
  platform::SystemTime time{static_cast<uint16_t>(y), static_cast<uint16_t>(mo), 0, static_cast<uint16_t>(d),
                            static_cast<uint16_t>(h), static_cast<uint16_t>(mi), static_cast<uint16_t>(s), 0};
  if (y < 1601 || !SystemTimeToTicks(time)) return false;
  time.dayOfWeek = DayOfWeek(y, mo, d);
  now = time;
  return true;
}

bool SetAnswer(platform::Answer& answer, std::string_view text) {
  using platform::Answer;
  constexpr std::pair<std::string_view, Answer> kNames[] = {
      {"ok", Answer::Ok}, {"cancel", Answer::Cancel}, {"yes", Answer::Yes}, {"no", Answer::No}};
  for (const auto& [name, value] : kNames) {
    if (EqualsNoCase(text, name)) {
      answer = value;
      return true;
    }
  }
  return false;
}

struct DriveTypeName {
  DriveType type;
  std::string_view name;
};

constexpr DriveTypeName kDriveTypes[] = {
    {DriveType::Unknown, "unknown"},     {DriveType::NoRootDir, "none"}, {DriveType::Removable, "removable"},
    {DriveType::Fixed, "fixed"},         {DriveType::Remote, "remote"},  {DriveType::CdRom, "cdrom"},
    {DriveType::RamDisk, "ramdisk"},
};

bool SetDriveType(DriveType& type, std::string_view text) {
  for (const auto& entry : kDriveTypes) {
    if (EqualsNoCase(text, entry.name)) {
      type = entry.type;
      return true;
    }
  }
  return false;
}

using Setter = std::function<bool(std::string_view)>;
struct Field {
  std::string_view key;
  Setter set;
};

std::vector<Field> WindowsFields(MachineFacts& f) {
  return {
      {"Version", [&](auto v) { return SetVersion(f.version, v); }},
      {"Build", [&](auto v) { return SetNumber(f.version.build, v); }},
      {"Platform", [&](auto v) { return SetPlatform(f.version.platformId, v); }},
      {"ServicePack", [&](auto v) { return SetText(f.version.servicePack, v); }},
      {"Folder", [&](auto v) { return SetText(f.windowsFolder, v); }},
      {"SystemFolder", [&](auto v) { return SetText(f.systemFolder, v); }},
      {"Bits", [&](auto v) { return SetNumber(f.windowsBits, v) && (f.windowsBits == 32 || f.windowsBits == 64); }},
      {"Wow64Folder", [&](auto v) { return SetText(f.wow64Folder, v); }},
      {"TempFolder", [&](auto v) { return SetText(f.tempFolder, v); }},
      {"ProgramPath", [&](auto v) { return SetText(f.programPath, v); }},
      {"CurrentFolder", [&](auto v) { return SetText(f.currentFolder, v); }},
      {"Path", [&](auto v) { return SetText(f.path, v); }},
  };
}

std::vector<Field> HardwareFields(MachineFacts& f) {
  return {
      {"Processor", [&](auto v) { return SetNumber(f.processorType, v); }},
      {"MemoryLoad", [&](auto v) { return SetNumber(f.memory.memoryLoad, v); }},
      {"TotalPhysical", [&](auto v) { return SetUnsigned64(f.memory.totalPhys, v); }},
      {"AvailPhysical", [&](auto v) { return SetUnsigned64(f.memory.availPhys, v); }},
      {"TotalPageFile", [&](auto v) { return SetUnsigned64(f.memory.totalPageFile, v); }},
      {"AvailPageFile", [&](auto v) { return SetUnsigned64(f.memory.availPageFile, v); }},
      {"TotalVirtual", [&](auto v) { return SetUnsigned64(f.memory.totalVirtual, v); }},
      {"AvailVirtual", [&](auto v) { return SetUnsigned64(f.memory.availVirtual, v); }},
      {"ScreenWidth", [&](auto v) { return SetNumber(f.screenWidth, v); }},
      {"ScreenHeight", [&](auto v) { return SetNumber(f.screenHeight, v); }},
      {"MousePresent", [&](auto v) { return SetFlag(f.mousePresent, v); }},
      {"MouseButtons", [&](auto v) { return SetNumber(f.mouseButtons, v); }},
      {"Network",
       [&](auto v) {
         bool present = false;
         if (SetFlag(present, v)) {
           f.network = present ? 1 : 0;
           return true;
         }
         return SetNumber(f.network, v);
       }},
      {"DisplayPlanes", [&](auto v) { return SetNumber(f.display.planes, v); }},
      {"BitsPerPixel", [&](auto v) { return SetNumber(f.display.bitsPerPixel, v); }},
  };
}

std::vector<Field> ClockFields(MachineFacts& f) {
  return {
      {"Now", [&](auto v) { return SetClock(f.now, v); }},
      {"Bias", [&](auto v) { return SetNumber(f.biasMinutes, v); }},
  };
}

std::vector<Field> LocaleFields(MachineFacts& f) {
  return {
      {"ShortDate", [&](auto v) { return SetText(f.shortDate, v); }},
      {"LongDate", [&](auto v) { return SetText(f.longDate, v); }},
      {"Time", [&](auto v) { return SetText(f.timeFormat, v); }},
  };
}

// A drive as written; figures left out are derived when the section ends.
struct DriveDraft {
  DriveFacts facts;
  std::optional<uint64_t> freeClusters, totalClusters, freeBytes, totalBytes;
};

std::vector<Field> DriveFields(DriveDraft& d) {
  auto& s = d.facts.space;
  return {
      {"Type", [&](auto v) { return SetDriveType(d.facts.type, v); }},
      {"Folder", [&](auto v) { return SetText(d.facts.hostFolder, v); }},
      {"Label", [&](auto v) { return SetText(d.facts.label, v); }},
      {"Media", [&](auto v) { return SetFlag(d.facts.media, v); }},
      {"SectorsPerCluster", [&](auto v) { return SetNumber(s.sectorsPerCluster, v) && s.sectorsPerCluster > 0; }},
      {"BytesPerSector", [&](auto v) { return SetNumber(s.bytesPerSector, v) && s.bytesPerSector > 0; }},
      {"FreeClusters", [&](auto v) { return SetUnsigned64(d.freeClusters.emplace(), v); }},
      {"TotalClusters", [&](auto v) { return SetUnsigned64(d.totalClusters.emplace(), v); }},
      {"FreeBytes", [&](auto v) { return SetUnsigned64(d.freeBytes.emplace(), v); }},
      {"TotalBytes", [&](auto v) { return SetUnsigned64(d.totalBytes.emplace(), v); }},
  };
}

uint32_t ClustersFor(uint64_t bytes, uint64_t clusterBytes) {
  return static_cast<uint32_t>(std::min(bytes, kMaxClusterBytes) / clusterBytes);
}

// Fills the cluster counts from byte counts and the other way round.
void CompleteSpace(DriveDraft& d) {
  auto& s = d.facts.space;
  const uint64_t clusterBytes = uint64_t{s.sectorsPerCluster} * s.bytesPerSector;
  auto complete = [&](std::optional<uint64_t> clusters, std::optional<uint64_t> bytes, uint32_t& outClusters,
                      uint64_t& outBytes) {
    if (bytes) outBytes = *bytes;
    if (clusters) outClusters = static_cast<uint32_t>(std::min<uint64_t>(*clusters, UINT32_MAX));
    if (clusters && !bytes) outBytes = *clusters * clusterBytes;
    if (!clusters) outClusters = ClustersFor(outBytes, clusterBytes);
  };
  complete(d.freeClusters, d.freeBytes, s.freeClusters, s.freeBytes);
  complete(d.totalClusters, d.totalBytes, s.totalClusters, s.totalBytes);
}

class FactsReader {
 public:
  explicit FactsReader(MachineFacts& facts) : facts_(facts) {}

  bool Section(const IniDocument::Section& section) {
    const std::string_view name = section.name;
    if (name.empty()) return Entries(section, {});
    if (EqualsNoCase(name, "Windows")) return Entries(section, WindowsFields(facts_));
    if (EqualsNoCase(name, "Hardware")) return Entries(section, HardwareFields(facts_));
    if (EqualsNoCase(name, "Clock")) return Entries(section, ClockFields(facts_));
    if (EqualsNoCase(name, "Locale")) return Entries(section, LocaleFields(facts_));
    if (EqualsNoCase(name, "FilesInUse")) return FlaggedNames(section, facts_.filesInUse);
    if (EqualsNoCase(name, "ProtectedKeys")) return FlaggedNames(section, facts_.protectedKeys);
    if (EqualsNoCase(name, "Processes")) return Processes(section);
    if (EqualsNoCase(name, "Prompts")) return Prompts(section);
    if (StartsWithNoCase(name, "Drive ") && name.size() == 7) return Drive(section, UpperChar(name[6]));
    return Fail(section.line, "unknown section [" + section.name + "]");
  }

  const std::string& Error() const { return error_; }

 private:
  bool Fail(int line, const std::string& message) {
    error_ = "machine.ini line " + std::to_string(line) + ": " + message;
    return false;
  }

  bool Entries(const IniDocument::Section& section, const std::vector<Field>& fields) {
    for (const auto& entry : section.entries) {
      if (!entry.name.empty() && entry.name.front() == ';') continue;
      const auto field = std::find_if(fields.begin(), fields.end(),
                                      [&](const Field& f) { return EqualsNoCase(f.key, entry.name); });
      if (field == fields.end()) return Fail(entry.line, "unknown key \"" + entry.name + "\"");
      if (!entry.value || !field->set(TrimIni(*entry.value))) {
        return Fail(entry.line, "bad value for \"" + entry.name + "\"");
      }
    }
    return true;
  }

  // One name a line, optionally "= yes" or "= no".
  bool FlaggedNames(const IniDocument::Section& section, std::vector<std::string>& names) {
    for (const auto& entry : section.entries) {
      if (entry.name.empty() || entry.name.front() == ';') continue;
      bool listed = true;
      if (entry.value && !SetFlag(listed, *entry.value)) return Fail(entry.line, "bad value for \"" + entry.name + "\"");
      if (listed) names.push_back(entry.name);
    }
    return true;
  }

  bool Processes(const IniDocument::Section& section) {
    for (const auto& entry : section.entries) {
      if (!entry.name.empty() && entry.name.front() == ';') continue;
      ProgramExit program;
      if (!entry.value || !SetNumber(program.exitCode, entry.name) || TrimIni(*entry.value).empty()) {
        return Fail(entry.line, "expected \"exit code = command line\"");
      }
      program.commandLine = std::string(TrimIni(*entry.value));
      facts_.programs.push_back(std::move(program));
    }
    return true;
  }

  bool Prompts(const IniDocument::Section& section) {
    for (const auto& entry : section.entries) {
      if (!entry.name.empty() && entry.name.front() == ';') continue;
      const std::string_view value = entry.value ? TrimIni(*entry.value) : std::string_view();
      ScriptedAnswer answer;
      bool ok = entry.value.has_value();
      if (EqualsNoCase(entry.name, "Answer")) {
        ok = ok && SetAnswer(answer.answer, value);
      } else if (EqualsNoCase(entry.name, "OpenFile")) {
        answer.kind = ScriptedAnswer::Kind::OpenFile;
        if (!value.empty()) answer.path = std::string(value);
      } else if (EqualsNoCase(entry.name, "ShiftKey")) {
        if (!ok || !SetFlag(facts_.shiftKeyDown, value)) return Fail(entry.line, "bad value for \"ShiftKey\"");
        continue;
      } else {
        return Fail(entry.line, "unknown key \"" + entry.name + "\"");
      }
      if (!ok) return Fail(entry.line, "bad value for \"" + entry.name + "\"");
      facts_.prompts.push_back(std::move(answer));
    }
    return true;
  }

  bool Drive(const IniDocument::Section& section, char letter) {
    if (letter < 'A' || letter > 'Z') return Fail(section.line, "bad drive letter in [" + section.name + "]");
    auto& drives = facts_.drives;
    const auto old = std::find_if(drives.begin(), drives.end(), [&](const DriveFacts& d) { return d.letter == letter; });
    DriveDraft draft;
    draft.facts = old != drives.end() ? *old : DriveFacts{};
    draft.facts.letter = letter;
    // The type decides the defaults, so read it before the other keys.
    DriveType type = draft.facts.type;
    if (const auto* typeEntry = FindEntry(section, "Type")) {
      if (!typeEntry->value || !SetDriveType(type, TrimIni(*typeEntry->value))) {
        return Fail(typeEntry->line, "bad value for \"Type\"");
      }
    }
    if (old == drives.end() || type != old->type) draft.facts = DefaultDrive(letter, type);
    if (!Entries(section, DriveFields(draft))) return false;
    CompleteSpace(draft);
    if (old != drives.end()) drives.erase(old);
    drives.push_back(draft.facts);
    return true;
  }

  static const IniDocument::Entry* FindEntry(const IniDocument::Section& section, std::string_view key) {
    for (const auto& entry : section.entries) {
      if (EqualsNoCase(entry.name, key)) return &entry;
    }
    return nullptr;
  }

  MachineFacts& facts_;
  std::string error_;
};

}  // namespace

const DriveFacts* MachineFacts::Drive(char letter) const {
  const char upper = UpperChar(letter);
  for (const auto& drive : drives) {
    if (drive.letter == upper) return &drive;
  }
  return nullptr;
}

DriveFacts DefaultDrive(char letter, DriveType type) {
  DriveFacts drive;
  drive.letter = letter;
  drive.type = type;
  drive.hostFolder = std::string(1, LowerChar(letter));
  auto& s = drive.space;
  switch (type) {
    case DriveType::CdRom:
      s = {1, 2048, 0, 0, 0, 681'574'400};
      break;
    case DriveType::Removable:
      s = {1, 512, 0, 0, 1'457'664, 1'457'664};
      break;
    default:
      s = {16, 512, 0, 0, 128u << 20, 512u << 20};
      break;
  }
  const uint64_t clusterBytes = uint64_t{s.sectorsPerCluster} * s.bytesPerSector;
  s.freeClusters = ClustersFor(s.freeBytes, clusterBytes);
  s.totalClusters = ClustersFor(s.totalBytes, clusterBytes);
  return drive;
}

std::string_view DriveTypeName(DriveType type) {
  for (const auto& entry : kDriveTypes) {
    if (entry.type == type) return entry.name;
  }
  return "unknown";
}

std::optional<MachineFacts> ParseMachineFacts(std::string_view text, std::string& error) {
  MachineFacts facts;
  facts.drives.push_back(DefaultDrive('C', DriveType::Fixed));
  FactsReader reader(facts);
  const IniDocument doc = IniDocument::Parse(text);
  for (const auto& section : doc.Sections()) {
    if (!reader.Section(section)) {
      error = reader.Error();
      return std::nullopt;
    }
  }
  std::sort(facts.drives.begin(), facts.drives.end(),
            [](const DriveFacts& a, const DriveFacts& b) { return a.letter < b.letter; });
  if (facts.windowsBits != 64) facts.wow64Folder.clear();
  if (facts.windowsBits == 64 && facts.wow64Folder.empty()) facts.wow64Folder = facts.windowsFolder + "\\SYSWOW64";
  return facts;
}

}  // namespace cvn::emulated
