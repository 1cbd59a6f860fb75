#include "usage/RecentChanges.h"

#include <algorithm>
#include <optional>
#include <set>
#include <unordered_map>

#include "checks/FileCheckFigures.h"
#include "checks/FileCheckVersions.h"
#include "checks/ItemChecks.h"
#include "checks/SettingMatch.h"
#include "config/ItemStatus.h"
#include "config/MessageText.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"
#include "usage/UsageFiles.h"
#include "usage/UsageMessages.h"
#include "usage/UsageScanner.h"
#include "util/ListHelpers.h"

namespace cvn {

namespace {

constexpr std::string_view kSizeAndDate = "%lu bytes %s";

bool IsDataType(uint32_t type) {
  return type == platform::regtype::kNone || type == platform::regtype::kBinary || type == platform::regtype::kDword;
}

// The entry whose snapshots are being compared, with its item once found.
struct OpenEntry {
  SectionId section = SectionId::AppInfo;
  std::string name;
  FileItem* file = nullptr;
  SettingItem* setting = nullptr;
  bool looked = false;  // the item has been looked for
  bool open = false;
};

class ChangeScan {
 public:
  ChangeScan(RunContext& context, ConfigDatabase& database, const RecentChangesRequest& request,
             RecentChanges& changes)
      : context_(context), database_(database), request_(request), changes_(changes) {}

  void Run(std::string_view content) {
    UsageScanner scanner(content);
    ScannedLine line;
    while (scanner.Next(line)) {
      if (line.kind == LineKind::Header && line.section.kind == UsageSection::End) break;
      if (line.kind == LineKind::Header || line.kind == LineKind::BadEntry) entry_ = {};
      if (line.kind == LineKind::Entry) OpenAt(line);
      if (line.kind != LineKind::Snapshot) continue;
      const std::string& stamp = line.section.kind == UsageSection::Files ? line.file.stamp : line.setting.stamp;
      dates_.insert(stamp);
      if (!entry_.open || stamp < request_.chosenStamp) continue;
      if (Compare(line, stamp) && request_.extent == ScanExtent::FirstRow) break;
    }
    changes_.dates.assign(dates_.begin(), dates_.end());
    for (RecentChangeRow& row : changes_.rows) {
      const auto at = std::lower_bound(changes_.dates.begin(), changes_.dates.end(), row.stamp);
      row.data.sortValue = static_cast<int>(at - changes_.dates.begin());
    }
  }

 private:
  std::string Text(int id, std::initializer_list<std::string_view> args = {}) {
    return LoadText(context_.machine.Texts(), id, args);
  }

  std::string DateText(const std::string& stamp) { return StampDateText(context_, stamp); }

  std::string SizeAndDate(uint32_t size, const std::string& stamp) {
    return size == 0 ? std::string() : FormatText(kSizeAndDate, {std::to_string(size), DateText(stamp)});
  }

  void OpenAt(const ScannedLine& line) {
    entry_ = {};
    entry_.section = line.section.id;
    entry_.name = line.section.kind == UsageSection::Files ? line.fileEntry.name : std::string(line.cleaned);
    entry_.open = true;
  }

  // Finds and checks the entry's item once; false when it is not in the database.
  bool FindItem() {
    if (!entry_.looked) {
      entry_.looked = true;
      const ConfigSection* section = database_.GetSection(entry_.section);
      ConfigItem* item = section == nullptr ? nullptr : section->FindItem(entry_.name, CaseSensitivity::Insensitive);
      entry_.file = dynamic_cast<FileItem*>(item);
      entry_.setting = dynamic_cast<SettingItem*>(item);
      if (entry_.file != nullptr) CheckItem(context_, database_, *entry_.file);
      if (entry_.setting != nullptr) CheckItem(context_, database_, *entry_.setting, section->Type());
    }
    return entry_.file != nullptr || entry_.setting != nullptr;
  }

  // Adds a row when the snapshot differs from now and is to be shown;
  // true when a row was added.
  bool Compare(const ScannedLine& line, const std::string& stamp) {
    if (!FindItem()) {
      entry_.open = false;
      return false;
    }
    RecentChangeRow row;
    row.stamp = stamp;
    row.notes = Text(IDS_CHANGED_ON, {DateText(stamp)});
    bool required = false;
    bool acceptable = true;
    if (entry_.file != nullptr) {
      if (!DescribeFile(*entry_.file, line.file, row)) return false;
      required = entry_.file->required;
      acceptable = FileAcceptable(*entry_.file, line.file.version);
      if (!acceptable) row.notes += Text(IDS_PREVIOUS_VERSION_BAD);
    } else {
      const std::string current = OneLineText(entry_.setting->actualValueText);
      if (EqualsNoCase(current, line.setting.value)) return false;
      row.current = current;
      row.previous = line.setting.value;
      row.data.itemIndex = IndexOf(*entry_.setting);
      row.data.text = line.setting.value;
      required = entry_.setting->required;
      acceptable = SettingAcceptable(*entry_.setting, line.setting.value);
      if (!acceptable) row.notes += Text(IDS_PREVIOUS_VALUE_BAD);
    }
    if (!acceptable) ++changes_.badCount;
    row.data.canFix = acceptable;
    row.data.status = acceptable ? (required ? recentstatus::kAcceptableRequired : recentstatus::kAcceptableNotRequired)
                                 : (required ? recentstatus::kNotAcceptableRequired
                                             : recentstatus::kNotAcceptableNotRequired);
    if (!required) row.notes += Text(IDS_ITEM_NOT_REQUIRED_NOTE);
    if (!request_.showAll && row.data.status > recentstatus::kAcceptableNotRequired) return false;
    AddRow(std::move(row));
    return true;
  }

  // The texts and snapshot of a file row; false when the file is as it was.
  bool DescribeFile(const FileItem& item, const FileSnapshot& snapshot, RecentChangeRow& row) {
    const std::string currentTime = FormatTimestamp(item.fileDate);
    if (!item.actualVersion.empty()) {
      if (EqualsNoCase(RecordedVersion(item.actualVersion), snapshot.version)) return false;
      row.current = item.actualVersion;
      row.previous = snapshot.version;
    } else {
      if (item.fileSize == snapshot.size && currentTime == snapshot.time) return false;
      row.current = SizeAndDate(item.fileSize, currentTime);
      row.previous = SizeAndDate(snapshot.size, snapshot.time);
    }
    row.data.text = snapshot.version;
    row.data.size = snapshot.size;
    row.data.time = ReadTimestamp(snapshot.time);
    return true;
  }

  static bool FileAcceptable(const FileItem& item, const std::string& version) {
    if (item.actualVersion.empty()) return true;
    return JudgeVersion(version, item.acceptedVersions, item.rejectedVersions).status == filestatus::kOk;
  }

  bool SettingAcceptable(const SettingItem& item, const std::string& value) {
    LiveValue earlier{value, std::nullopt};
    // Registry data other than a string is judged by its bytes.
    if (IsDataType(item.readType)) earlier.data = ReadRegistryData(value);
    return MatchSetting(context_, item, earlier) == MatchResult::Accepted;
  }

  // The item's position in its section, found once per section.
  int IndexOf(const SettingItem& item) {
    auto& index = indexes_[static_cast<int>(entry_.section)];
    if (index.empty()) {
      const ConfigSection* section = database_.GetSection(entry_.section);
      for (size_t i = 0; i < section->Count(); ++i) index.emplace(&section->Item(i), static_cast<int>(i));
    }
    const auto found = index.find(&item);
    return found == index.end() ? 0 : found->second;
  }

  void AddRow(RecentChangeRow row) {
    row.name = entry_.name;
    if (entry_.setting != nullptr) row.name = entry_.name.substr(entry_.name.rfind('\\') + 1);
    const bool reverted = entry_.file != nullptr ? entry_.file->reverted : entry_.setting->reverted;
    const bool atRestart = entry_.file != nullptr && entry_.file->fixPendingRestart;
    int& status = row.data.status;
    if (reverted && status <= recentstatus::kAcceptableNotRequired) {
      status = atRestart ? recentstatus::kRevertedAtRestart : recentstatus::kReverted;
    } else if (reverted && atRestart) {
      status += level::kAtRestart;
    }
    row.data.rowNumber = changes_.rowCount;
    row.data.category = entry_.section;
    row.data.hasDetails = true;
    changes_.rows.push_back(std::move(row));
    ++changes_.rowCount;
    entry_.open = false;
  }

  RunContext& context_;
  ConfigDatabase& database_;
  const RecentChangesRequest& request_;
  RecentChanges& changes_;
  OpenEntry entry_;
  std::set<std::string> dates_;
  std::unordered_map<int, std::unordered_map<const ConfigItem*, int>> indexes_;
};

}  // namespace

std::string StampDateText(RunContext& context, const std::string& stamp) {
  return FileDateText(context.machine.System(), ReadTimestamp(stamp));
}

platform::HResult CollectRecentChanges(RunContext& context, ConfigDatabase& database,
                                       const RecentChangesRequest& request, RecentChanges& changes) {
  changes = {};
  const std::optional<std::string> path = UsageDatabasePath(database.path);
  if (!path) {
    TellUsageProblem(context, IDS_CANNOT_OPEN_USAGE_UNNAMED);
    return platform::kEFail;
  }
  const std::optional<platform::Bytes> bytes = context.machine.Files().ReadFile(*path);
  if (!bytes) {
    TellUsageProblem(context, IDS_CANNOT_OPEN_USAGE, *path);
    return platform::kEFail;
  }
  ChangeScan(context, database, request, changes)
      .Run(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  return platform::kSOk;
}

platform::HResult BuildRecentChanges(RunContext& context, ConfigDatabase& database, ListSurface* list, bool showAll,
                                     int& badCount, int& rowCount, std::vector<std::string>& dates,
                                     const std::string& chosenStamp) {
  if (list != nullptr) ClearList(*list);
  const RecentChangesRequest request{showAll, chosenStamp, list != nullptr ? ScanExtent::AllRows : ScanExtent::FirstRow};
  RecentChanges changes;
  const platform::HResult result = CollectRecentChanges(context, database, request, changes);
  badCount = changes.badCount;
  rowCount = changes.rowCount;
  dates = std::move(changes.dates);
  if (list == nullptr) return result;
  for (RecentChangeRow& row : changes.rows) {
    const int index = list->InsertItem(row.data.rowNumber, row.name, row.data.status,
                                       std::make_unique<RowData>(std::move(row.data)));
    list->SetItemText(index, 1, row.current);
    list->SetItemText(index, 2, row.previous);
    list->SetItemText(index, 3, row.notes);
  }
  return result;
}

bool RecentChangesWorthShowing(RunContext& context, ConfigDatabase& database) {
  int badCount = 0;
  int rowCount = 0;
  std::vector<std::string> dates;
  static_cast<void>(BuildRecentChanges(context, database, nullptr, true, badCount, rowCount, dates, ""));
  return rowCount > 0;
}

}  // namespace cvn
