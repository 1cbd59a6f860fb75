#include "checks/Requirements.h"

#include <memory>

#include "config/ConfigDatabase.h"
#include "config/ItemStatus.h"
#include "config/MessageText.h"
#include "config/RunContext.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

// Temporary files that free at least this much make a failed disk row fixable.
constexpr int64_t kWorthFreeing = 1048576;

void ReadKey(const ConfigSection* section, const char* key, auto&& store) {
  if (const std::string* value = FindValue(section, key)) store(*value);
}

std::string Count(int64_t value) { return FormatInteger(value); }

std::string ResolutionText(int32_t width, int32_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

class RowMaker {
 public:
  RowMaker(RunContext& context, const SystemProfile& measured)
      : context_(context), measured_(measured) {}

  void Add(int nameId, std::string actual, std::string minimum, bool failed, int detailsKind,
           std::string_view nameArgument = {}) {
    RequirementRow row;
    row.name = nameArgument.empty() ? LoadText(context_.machine.Texts(), nameId)
                                    : LoadText(context_.machine.Texts(), nameId, {nameArgument});
    row.actual = std::move(actual);
    row.minimum = std::move(minimum);
    row.failed = failed;
    row.detailsKind = detailsKind;
    rows_.push_back(std::move(row));
  }

  void AddSizes(int nameId, int64_t actual, int64_t minimum) {
    Add(nameId, FormatSize(actual), FormatSize(minimum), actual < minimum, details::kNone);
  }

  void AddDisk(int nameId, char drive, int64_t actual, int64_t minimum) {
    Add(nameId, FormatSize(actual), FormatSize(minimum), actual < minimum, details::kDiskSpace,
        std::string_view(&drive, 1));
    rows_.back().canFreeSpace = rows_.back().failed && TemporarySpace() >= kWorthFreeing;
  }

  void AddDevice(int nameId, bool present, bool required) {
    Add(nameId, FormatFound(present ? 1 : 0), FormatRequired(required ? 1 : 0),
        required && !present, details::kNone);
  }

  std::vector<RequirementRow> Take() { return std::move(rows_); }

 private:
  int64_t TemporarySpace() const {
    return measured_.windowsTempSpaceUsed + measured_.netscapeTempSpaceUsed +
           measured_.explorerTempSpaceUsed;
  }

  RunContext& context_;
  const SystemProfile& measured_;
  std::vector<RequirementRow> rows_;
};

std::unique_ptr<RowData> RowDataOf(const RequirementRow& row, int rowNumber) {
  auto data = std::make_unique<RowData>();
  data->status = row.failed ? level::kSeriousProblem : level::kNone;
  data->category = SectionId::MinimumRequirementsInfo;
  data->rowNumber = rowNumber;
  data->itemIndex = row.detailsKind;
  data->hasDetails = row.detailsKind != details::kNone;
  data->canFix = row.canFreeSpace;
  return data;
}

}  // namespace

platform::HResult ReadRequirements(const ConfigDatabase& database, SystemProfile& minimum) {
  const ConfigSection* section = database.GetSection(SectionId::MinimumRequirementsInfo);
  // The standard sections always exist; an empty one is a database without it.
  if (section == nullptr || section->Count() == 0) return platform::kEFail;
  ReadKey(section, "WindowsVersion", [&](auto& v) { minimum.windowsVersion = ReadWindowsVersion(v); });
  ReadKey(section, "ConfigFiles", [&](auto& v) { minimum.configFiles = ReadCountWithK(v); });
  ReadKey(section, "ConfigBuffers", [&](auto& v) { minimum.configBuffers = ReadCountWithK(v); });
  ReadKey(section, "AppDiskSpace", [&](auto& v) { minimum.appDiskSpace = ReadSize(v); });
  ReadKey(section, "WinDiskSpace", [&](auto& v) { minimum.winDiskSpace = ReadSize(v); });
  ReadKey(section, "Processor", [&](auto& v) { minimum.processor = ReadProcessor(v); });
  ReadKey(section, "TotalPhysicalMemory", [&](auto& v) { minimum.totalPhysicalMemory = ReadSize(v); });
  ReadKey(section, "AvailPhysicalMemory", [&](auto& v) { minimum.availPhysicalMemory = ReadSize(v); });
  ReadKey(section, "TotalVirtualMemory", [&](auto& v) { minimum.totalVirtualMemory = ReadSize(v); });
  ReadKey(section, "AvailVirtualMemory", [&](auto& v) { minimum.availVirtualMemory = ReadSize(v); });
  ReadKey(section, "VideoResolution", [&](auto& v) {
    const Resolution resolution = ReadResolution(v);
    minimum.horizontalResolution = resolution.width;
    minimum.verticalResolution = resolution.height;
  });
  ReadKey(section, "VideoColors", [&](auto& v) { minimum.colorClass = ReadColors(v); });
  ReadKey(section, "MouseRequired", [&](auto& v) { minimum.mouse = ReadYesNo(v); });
  ReadKey(section, "CDROMRequired", [&](auto& v) { minimum.cdrom = ReadYesNo(v); });
  ReadKey(section, "ModemRequired", [&](auto& v) { minimum.modem = ReadYesNo(v); });
  ReadKey(section, "NetworkRequired", [&](auto& v) { minimum.network = ReadYesNo(v); });
  return platform::kSOk;
}

bool RunsFromRemovableMedia(RunContext& context) {
  context.locations.EnsureFilled(context.machine);
  return context.locations.AppOnRemovableMedia();
}

std::vector<RequirementRow> EvaluateRequirements(RunContext& context, const SystemProfile& measured,
                                                 const SystemProfile& minimum) {
  context.locations.EnsureFilled(context.machine);
  const SystemProfile& m = measured;
  const SystemProfile& r = minimum;
  RowMaker rows(context, measured);
  rows.Add(IDS_REQ_WINDOWS_VERSION, FormatWindowsVersion(m.windowsVersion), FormatWindowsVersion(r.windowsVersion),
           m.windowsVersion < r.windowsVersion, details::kWindowsVersion);
  rows.Add(IDS_REQ_PROCESSOR, FormatProcessor(m.processor), FormatProcessor(r.processor), m.processor < r.processor,
           details::kNone);
  // Windows NT has no CONFIG.SYS limits, so these rows always pass there.
  rows.Add(IDS_REQ_FILES, Count(m.configFiles), Count(r.configFiles), !context.isNt && m.configFiles < r.configFiles,
           details::kConfigSys);
  rows.Add(IDS_REQ_BUFFERS, Count(m.configBuffers), Count(r.configBuffers),
           !context.isNt && m.configBuffers < r.configBuffers, details::kConfigSys);
  if (!RunsFromRemovableMedia(context)) {
    rows.AddDisk(IDS_REQ_APP_DISK_SPACE, context.locations.applicationDrive, m.appDiskSpace, r.appDiskSpace);
  }
  rows.AddDisk(IDS_REQ_WIN_DISK_SPACE, context.locations.windowsDrive, m.winDiskSpace, r.winDiskSpace);
  rows.AddSizes(IDS_REQ_TOTAL_PHYSICAL_MEMORY, m.totalPhysicalMemory, r.totalPhysicalMemory);
  rows.AddSizes(IDS_REQ_AVAILABLE_PHYSICAL_MEMORY, m.availPhysicalMemory, r.availPhysicalMemory);
  rows.AddSizes(IDS_REQ_TOTAL_VIRTUAL_MEMORY, m.totalVirtualMemory, r.totalVirtualMemory);
  rows.AddSizes(IDS_REQ_AVAILABLE_VIRTUAL_MEMORY, m.availVirtualMemory, r.availVirtualMemory);
  rows.Add(IDS_REQ_VIDEO_RESOLUTION, ResolutionText(m.horizontalResolution, m.verticalResolution),
           ResolutionText(r.horizontalResolution, r.verticalResolution),
           m.horizontalResolution < r.horizontalResolution || m.verticalResolution < r.verticalResolution,
           details::kVideo);
  rows.Add(IDS_REQ_VIDEO_COLORS, FormatColors(m.colorClass), FormatColors(r.colorClass), m.colorClass < r.colorClass,
           details::kVideo);
  rows.AddDevice(IDS_REQ_MOUSE, m.mouse, r.mouse);
  rows.AddDevice(IDS_REQ_CD_ROM, m.cdrom, r.cdrom);
  rows.AddDevice(IDS_REQ_MODEM, m.modem, r.modem);
  rows.AddDevice(IDS_REQ_NETWORK, m.network, r.network);
  return rows.Take();
}

platform::HResult CompareRequirements(RunContext& context, const ConfigDatabase& database, ListSurface& list,
                                      bool showAll, int& problemCount) {
  problemCount = 0;
  for (const RequirementRow& row :
       EvaluateRequirements(context, database.systemInfo, database.minimumRequirements)) {
    if (row.failed) ++problemCount;
    if (!showAll && !row.failed) continue;
    const int index = list.ItemCount();
    auto data = RowDataOf(row, index);
    const int image = data->status;
    list.InsertItem(index, row.name, image, std::move(data));
    list.SetItemText(index, 1, row.actual);
    list.SetItemText(index, 2, row.minimum);
  }
  return platform::kSOk;
}

}  // namespace cvn
