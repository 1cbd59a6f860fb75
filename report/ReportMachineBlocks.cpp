// The machine in the report: the minimum requirements against what was
// measured, then reference figures that are never compared.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "checks/Requirements.h"
#include "config/ValueFormats.h"
#include "report/ReportBlocks.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

// The report lines of the requirement rows, in the rows' order.
constexpr std::array kRequirementLines = {IDS_LINE_WINDOWS_VERSION,
                                          IDS_LINE_PROCESSOR,
                                          IDS_LINE_FILES,
                                          IDS_LINE_BUFFERS,
                                          IDS_LINE_APP_DISK,
                                          IDS_LINE_WIN_DISK,
                                          IDS_LINE_TOTAL_PHYSICAL_MEMORY,
                                          IDS_LINE_AVAILABLE_PHYSICAL_MEMORY,
                                          IDS_LINE_TOTAL_VIRTUAL_MEMORY,
                                          IDS_LINE_AVAILABLE_VIRTUAL_MEMORY,
                                          IDS_LINE_VIDEO_RESOLUTION,
                                          IDS_LINE_VIDEO_COLORS,
                                          IDS_LINE_MOUSE,
                                          IDS_LINE_CD_ROM,
                                          IDS_LINE_MODEM,
                                          IDS_LINE_NETWORK};

// Temporary files above these sizes are worth an error or a warning mark.
constexpr int64_t kTempSpaceError = 40 * 1048576;
constexpr int64_t kTempSpaceWarning = 10 * 1048576;

// The line formats of the rows EvaluateRequirements gives, which leaves
// out the application disk when the application is not installed.
std::vector<int> RequirementLineIds(RunContext& context) {
  std::vector<int> ids(kRequirementLines.begin(), kRequirementLines.end());
  if (RunsFromRemovableMedia(context)) std::erase(ids, IDS_LINE_APP_DISK);
  return ids;
}

void WriteRequirementLine(ReportScope& scope, int id, const RequirementRow& row, int32_t emptyLines) {
  const std::string mark = MarkText(row.failed ? '*' : ' ');
  const Locations& places = scope.context.locations;
  if (id == IDS_LINE_APP_DISK || id == IDS_LINE_WIN_DISK) {
    const char drive = id == IDS_LINE_APP_DISK ? places.applicationDrive : places.windowsDrive;
    scope.out.Text(id, {mark, std::string(1, drive), row.actual, row.minimum}, emptyLines);
  } else if (id == IDS_LINE_VIDEO_RESOLUTION) {
    const SystemProfile& m = scope.database.systemInfo;
    const SystemProfile& r = scope.database.minimumRequirements;
    scope.out.Text(id, {mark, std::to_string(m.horizontalResolution), std::to_string(m.verticalResolution),
                        std::to_string(r.horizontalResolution), std::to_string(r.verticalResolution)},
                   emptyLines);
  } else {
    scope.out.Text(id, {mark, row.actual, row.minimum}, emptyLines);
  }
}

char TempSpaceMark(int64_t used) {
  if (used > kTempSpaceError) return '*';
  return used > kTempSpaceWarning ? '!' : ' ';
}

void WriteTempSpaceLine(ReportLayout& out, int id, int64_t used) {
  if (used > 0) out.Text(id, {MarkText(TempSpaceMark(used)), FormatSize(used)});
}

}  // namespace

void WriteRequirements(ReportScope& scope) {
  ReportLayout& out = scope.out;
  out.Heading(IDS_HEADING_REQUIREMENTS);
  out.ColumnHead(IDS_REPORT_REQUIREMENTS_HEAD, {0, 3, 39, 54});
  const std::vector<RequirementRow> rows =
      EvaluateRequirements(scope.context, scope.database.systemInfo, scope.database.minimumRequirements);
  const std::vector<int> ids = RequirementLineIds(scope.context);
  const size_t count = std::min(rows.size(), ids.size());
  for (size_t i = 0; i < count; ++i) {
    WriteRequirementLine(scope, ids[i], rows[i], i + 1 == count ? 1 : 0);
  }
}

void WriteReferenceInformation(ReportScope& scope) {
  ReportLayout& out = scope.out;
  const SystemProfile& m = scope.database.systemInfo;
  out.ColumnHead(IDS_REPORT_REFERENCE_HEAD, {0, 3, 54});
  if (!m.computerMaker.empty()) out.Text(IDS_LINE_COMPUTER_MAKER, {m.computerMaker});
  out.Text(IDS_LINE_WINDOWS_INTERNAL_VERSION, {std::to_string(m.windowsMajor), std::to_string(m.windowsMinor)});
  out.Text(IDS_LINE_WINDOWS_BUILD, {std::to_string(m.windowsBuild)});
  out.Text(IDS_LINE_WINDOWS_PLATFORM, {std::to_string(m.windowsPlatformId)});
  out.Text(IDS_LINE_VIDEO_PLANES, {std::to_string(m.videoPlanes)});
  out.Text(IDS_LINE_VIDEO_BITS_PER_PIXEL, {std::to_string(m.videoBitsPerPixel)});
  WriteTempSpaceLine(out, IDS_LINE_WINDOWS_TEMP, m.windowsTempSpaceUsed);
  WriteTempSpaceLine(out, IDS_LINE_NETSCAPE_TEMP, m.netscapeTempSpaceUsed);
  WriteTempSpaceLine(out, IDS_LINE_EXPLORER_TEMP, m.explorerTempSpaceUsed);
  out.BlankLine();
}

}  // namespace cvn
