// Bringing the usage database up to date: every line is copied as it is
// stored, a snapshot line is added after the last one of each entry whose
// state changed, and "LastCheck" is rewritten.
#include "config/Answers.h"
#include "config/EntryReader.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"
#include "usage/CurrentState.h"
#include "usage/UsageDatabase.h"
#include "usage/UsageFiles.h"
#include "usage/UsageFrequency.h"
#include "usage/UsageMessages.h"
#include "usage/UsageScanner.h"

namespace cvn {

namespace {

constexpr std::string_view kLastCheck = "LastCheck";

// Lends the file's own location codes to the run while no database does.
// The lent section lives as long as this object; the run holds it weakly.
class BorrowedDirectoryInfo {
 public:
  BorrowedDirectoryInfo(Locations& locations, ConfigSection* section)
      : locations_(locations), previous_(locations.WatchedDirectoryInfo()) {
    if (section != nullptr) locations_.SetDirectoryInfo(std::shared_ptr<ConfigSection>(lifetime_, section));
  }
  ~BorrowedDirectoryInfo() { locations_.SetDirectoryInfo(previous_); }
  BorrowedDirectoryInfo(const BorrowedDirectoryInfo&) = delete;
  BorrowedDirectoryInfo& operator=(const BorrowedDirectoryInfo&) = delete;

 private:
  Locations& locations_;
  std::weak_ptr<ConfigSection> previous_;
  std::shared_ptr<const char> lifetime_ = std::make_shared<const char>('\0');
};

// The entry whose snapshot lines are being read, with its last readable one.
struct Entry {
  UsageSection section = UsageSection::Other;
  FileEntryLine file;
  std::string location;
  FileSnapshot lastFile;
  SettingSnapshot lastSetting;
  bool open = false;     // an entry line was read
  bool pending = false;  // and at least one readable snapshot line after it
};

class Refresh {
 public:
  Refresh(RunContext& context, const platform::SystemTime& now, bool changesMade)
      : context_(context), now_(now), stamp_(FormatTimestamp(now)), changesMade_(changesMade), writer_(out_) {}

  // The new content of the file.
  const TextFile& Run(std::string_view content) {
    UsageScanner scanner(content);
    ScannedLine line;
    bool stop = false;
    while (!stop && scanner.Next(line)) {
      const bool closes = !IsSnapshotLine(line.raw.text) || line.kind == LineKind::Header;
      if (entry_.pending && closes) ClosePending();
      if (!IsLastCheckLine(line)) out_ += line.raw.bytes;
      stop = Interpret(line);
    }
    if (stop) {
      out_ += scanner.Rest();
    } else if (entry_.pending) {
      ClosePending();
    }
    return out_;
  }

  size_t Added() const { return added_; }
  ConfigSection* DirectoryInfo() { return &directoryInfo_; }

 private:
  static bool IsLastCheckLine(const ScannedLine& line) {
    return line.kind == LineKind::Plain && line.section.kind == UsageSection::Preferences &&
           EqualsNoCase(EntryReader(line.cleaned).ReadKey(), kLastCheck);
  }

  // True when nothing more is to be interpreted.
  bool Interpret(const ScannedLine& line) {
    switch (line.kind) {
      case LineKind::Header:
        entry_ = {};
        return line.section.kind == UsageSection::End;
      case LineKind::Plain:
        return ReadPlainLine(line);
      case LineKind::Entry:
        entry_ = {line.section.kind, line.fileEntry, std::string(line.cleaned), {}, {}, true, false};
        return false;
      case LineKind::BadEntry:
        entry_ = {};
        return false;
      case LineKind::Snapshot:
        if (!entry_.open) return false;
        entry_.lastFile = line.file;
        entry_.lastSetting = line.setting;
        entry_.pending = true;
        return false;
      case LineKind::Skipped:
      case LineKind::BadSnapshot:
        return false;
    }
    return false;
  }

  bool ReadPlainLine(const ScannedLine& line) {
    EntryReader reader(line.cleaned);
    const std::string key = reader.ReadKey();
    const std::string value = reader.ReadRest();
    if (line.section.kind == UsageSection::DirectoryInfo && !key.empty()) {
      auto item = std::make_unique<DirectoryItem>(key);
      item->value = value;
      directoryInfo_.Append(std::move(item));
    }
    if (line.section.kind != UsageSection::Preferences) return false;
    if (EqualsNoCase(key, "CheckFrequency")) frequency_ = ReadFrequency(value);
    if (!EqualsNoCase(key, kLastCheck)) return false;
    writer_.Line(std::string(kLastCheck) + "=" + stamp_);
    // A change made with Fix or Revert is recorded whatever the frequency.
    return !changesMade_ && CompareByFrequency(now_, ReadTimestamp(value), frequency_) < 1;
  }

  void ClosePending() {
    entry_.pending = false;
    if (entry_.section == UsageSection::Files) {
      const std::optional<FileSnapshot> now = CurrentFileState(context_, entry_.file);
      if (!now || !Differs(entry_.lastFile, *now)) return;
      FileSnapshot snapshot = *now;
      snapshot.stamp = stamp_;
      WriteSnapshot(FileSnapshotText(snapshot));
    } else {
      const std::optional<std::string> now = CurrentSettingValue(context_, entry_.section, entry_.location);
      if (!now || EqualsNoCase(*now, entry_.lastSetting.value)) return;
      WriteSnapshot(SettingSnapshotText({stamp_, *now}));
    }
  }

  static bool Differs(const FileSnapshot& last, const FileSnapshot& now) {
    const bool versionDiffers = !last.version.empty() && CompareVersions(last.version, now.version) != 0;
    return versionDiffers || last.size != now.size || last.time != now.time;
  }

  void WriteSnapshot(const std::string& text) {
    // A last line without its line end gets one before the new line.
    if (!out_.empty() && out_.back() != '\n') out_ += "\r\n";
    writer_.Line(text);
    ++added_;
  }

  RunContext& context_;
  platform::SystemTime now_;
  std::string stamp_;
  bool changesMade_;
  int frequency_ = frequency::kAlways;
  ConfigSection directoryInfo_{std::string(StandardSectionName(SectionId::DirectoryInfo)), SectionType::Directory, 1};
  Entry entry_;
  TextFile out_;
  UsageLineWriter writer_;
  size_t added_ = 0;
};

bool IsReadOnly(platform::FileSystem& files, const std::string& path) {
  const uint32_t attributes = files.GetAttributes(path);
  return attributes != platform::attr::kInvalid && (attributes & platform::attr::kReadOnly) != 0;
}

}  // namespace

platform::HResult RefreshUsageDatabase(RunContext& context, const std::string& usagePath, ConfigDatabase* database,
                                       UsageTally* tally) {
  const std::optional<std::string> workingCopy = WorkingCopyPath(usagePath);
  if (!workingCopy) {
    TellUsageProblem(context, IDS_CANNOT_UPDATE_USAGE, usagePath);
    return platform::kEFail;
  }
  platform::FileSystem& files = context.machine.Files();
  if (IsReadOnly(files, usagePath)) {
    // Nothing can be recorded until the user clears the attribute; saying so
    // at every start would only repeat it.
    if (!ReadOnlyUsageTold(context)) {
      TellUsageProblem(context, IDS_USAGE_READ_ONLY, usagePath);
      SetReadOnlyUsageTold(context, true);
    }
    return platform::kEFail;
  }
  const std::optional<platform::Bytes> bytes = files.ReadFile(usagePath);
  if (!bytes) {
    TellUsageProblem(context, IDS_CANNOT_OPEN_USAGE, usagePath);
    return platform::kEFail;
  }
  const bool changesMade = ChangesMadeMarked(context);
  Refresh refresh(context, context.machine.System().LocalTime(), changesMade);
  const BorrowedDirectoryInfo codes(context.locations, database == nullptr ? refresh.DirectoryInfo() : nullptr);
  const TextFile& text = refresh.Run(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  switch (ReplaceInOneStep(files, usagePath, *workingCopy, text)) {
    case ReplaceResult::Replaced:
      break;
    case ReplaceResult::CannotCreate:
      TellUsageProblem(context, IDS_CANNOT_CREATE_USAGE, *workingCopy);
      return platform::kEFail;
    case ReplaceResult::CannotWrite:
      TellUsageProblem(context, IDS_CANNOT_PROCESS_USAGE, usagePath);
      return platform::kEFail;
    case ReplaceResult::CannotMove:
      TellUsageProblem(context, IDS_CANNOT_UPDATE_USAGE, usagePath);
      return platform::kEFail;
  }
  // Only once the new state is on disk: a failed refresh records it next time.
  if (changesMade) ClearChangesMade(context);
  if (ReadOnlyUsageTold(context)) SetReadOnlyUsageTold(context, false);
  if (tally != nullptr) *tally = {usagePath, false, refresh.Added()};
  return platform::kSOk;
}

}  // namespace cvn
