// The machine in the report: the minimum requirements against what was
// measured, then reference figures that are never compared.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "checks/Requirements.h"
#include "config/ValueFormats.h"
#include "report/ReportBlocks.h"

namespace cvn {

namespace {

constexpr int kRequirementsHeading = 10030;
constexpr int kRequirementsHead = 10245;
constexpr int kAppDiskLine = 10250;
constexpr int kWinDiskLine = 10251;
constexpr int kResolutionLine = 10256;
constexpr int kReferenceHead = 10262;
constexpr int kComputerMaker = 10263;
constexpr int kWindowsVersionNumbers = 10264;
constexpr int kBuildNumber = 10265;
constexpr int kPlatformId = 10266;
constexpr int kVideoPlanes = 10267;
constexpr int kBitsPerPixel = 10268;
constexpr int kWindowsTemp = 10269;
constexpr int kNetscapeTemp = 10270;
constexpr int kExplorerTemp = 10271;

// The report lines of the requirement rows, in the rows' order.
constexpr std::array kRequirementLines = {10246, 10247, 10248, 10249, kAppDiskLine, kWinDiskLine,
                                          10252, 10253, 10254, 10255, kResolutionLine,
                                          10257, 10258, 10259, 10260, 10261};

// Temporary files above these sizes are worth an error or a warning mark.
constexpr int64_t kTempSpaceError = 40 * 1048576;
constexpr int64_t kTempSpaceWarning = 10 * 1048576;

// The line formats of the rows EvaluateRequirements gives, which leaves
// out the application disk when the application is not installed.
std::vector<int> RequirementLineIds(RunContext& context) {
  std::vector<int> ids(kRequirementLines.begin(), kRequirementLines.end());
  if (RunsFromRemovableMedia(context)) std::erase(ids, kAppDiskLine);
  return ids;
}

void WriteRequirementLine(ReportScope& scope, int id, const RequirementRow& row, int32_t emptyLines) {
  const std::string mark = MarkText(row.failed ? '*' : ' ');
  const Locations& places = scope.context.locations;
  if (id == kAppDiskLine || id == kWinDiskLine) {
    const char drive = id == kAppDiskLine ? places.applicationDrive : places.windowsDrive;
    scope.out.Text(id, {mark, std::string(1, drive), row.actual, row.minimum}, emptyLines);
  } else if (id == kResolutionLine) {
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
  out.Heading(kRequirementsHeading);
  out.ColumnHead(kRequirementsHead, {0, 3, 39, 54});
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
  out.ColumnHead(kReferenceHead, {0, 3, 54});
  if (!m.computerMaker.empty()) out.Text(kComputerMaker, {m.computerMaker});
  out.Text(kWindowsVersionNumbers, {std::to_string(m.windowsMajor), std::to_string(m.windowsMinor)});
  out.Text(kBuildNumber, {std::to_string(m.windowsBuild)});
  out.Text(kPlatformId, {std::to_string(m.windowsPlatformId)});
  out.Text(kVideoPlanes, {std::to_string(m.videoPlanes)});
  out.Text(kBitsPerPixel, {std::to_string(m.videoBitsPerPixel)});
  WriteTempSpaceLine(out, kWindowsTemp, m.windowsTempSpaceUsed);
  WriteTempSpaceLine(out, kNetscapeTemp, m.netscapeTempSpaceUsed);
  WriteTempSpaceLine(out, kExplorerTemp, m.explorerTempSpaceUsed);
  out.BlankLine();
}

}  // namespace cvn
