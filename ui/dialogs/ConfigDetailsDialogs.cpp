#include "ui/dialogs/ConfigDetailsDialogs.h"

#include <string_view>

#include "config/TextLines.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"
#include "resources/resource.h"

namespace cvn {
namespace {

const FontSpec kDetailsHeading{"Arial", 9};

constexpr int kExtentCharacters = 128;

std::string Number(uint32_t value) { return std::to_string(value); }

// Total and free bytes from the cluster counts, as the old call gave them.
int64_t Bytes(uint32_t clusters, const platform::DiskFreeSpace& space) {
  return static_cast<int64_t>(clusters) * space.sectorsPerCluster * space.bytesPerSector;
}

}  // namespace

CDetailsDialog::CDetailsDialog(Texts texts) : DialogLogic(IDD_CONFIG_DETAILS), texts_(std::move(texts)) {}

CDetailsDialog CDetailsDialog::WindowsVersion(platform::Strings& strings, const SystemProfile& measured) {
  return CDetailsDialog(Texts{strings.Load(IDS_WINDOWS_DETAILS_HEADING), strings.Load(IDS_WINDOWS_DETAILS_HEADING + 1),
                              strings.Load(IDS_WINDOWS_DETAILS_HEADING + 2),
                              strings.Load(IDS_WINDOWS_DETAILS_HEADING + 3),
                              Number(measured.windowsMajor) + "." + Number(measured.windowsMinor),
                              Number(measured.windowsBuild), Number(measured.windowsPlatformId)});
}

CDetailsDialog CDetailsDialog::Video(platform::Strings& strings, const SystemProfile& measured) {
  return CDetailsDialog(Texts{strings.Load(IDS_VIDEO_DETAILS_HEADING), strings.Load(IDS_VIDEO_DETAILS_HEADING + 1),
                              strings.Load(IDS_VIDEO_DETAILS_HEADING + 2), "", Number(measured.videoPlanes),
                              Number(measured.videoBitsPerPixel), ""});
}

void CDetailsDialog::OnInitDialog(ControlSurface& surface) {
  constexpr int kControls[] = {IDC_HEADING,       IDC_DETAIL_LABEL1, IDC_DETAIL_LABEL2,
                               IDC_DETAIL_LABEL3, IDC_DETAIL_VALUE1, IDC_DETAIL_VALUE2,
                               IDC_DETAIL_VALUE3};
  for (size_t i = 0; i < texts_.size(); ++i) surface.SetText(kControls[i], texts_[i]);
  surface.SetFont(IDC_HEADING, kDetailsHeading);
}

CDiskDetailsDialog::CDiskDetailsDialog(RunContext& context, const SystemProfile& measured)
    : DialogLogic(IDD_DISK_DETAILS), context_(context), measured_(measured) {}

void CDiskDetailsDialog::OnInitDialog(ControlSurface& surface) {
  surface.SetFont(IDC_HEADING, kDetailsHeading);
  auto& texts = context_.machine.Texts();
  const int width = surface.ClientWidth(IDC_DRIVE_LIST) -
                    context_.machine.System().GetSystemMetrics(platform::metric::kCxHScroll);
  surface.SetColumns(IDC_DRIVE_LIST, {{texts.Load(IDS_DRIVE), width * 3 / 7},
                                      {texts.Load(IDS_DRIVE + 1), width * 2 / 7},
                                      {texts.Load(IDS_DRIVE + 2), width * 2 / 7}});
  ListSurface* rows = surface.Rows(IDC_DRIVE_LIST);
  auto& files = context_.machine.Files();
  for (char letter = 'C'; rows != nullptr && letter <= 'Z'; ++letter) {
    const std::string root = std::string(1, letter) + ":\\";
    if (files.GetDriveType(root) != platform::DriveType::Fixed) continue;
    std::string name = std::string("[") + letter + ":]";
    if (const auto label = files.VolumeLabel(root)) name += " " + *label;
    int64_t total = 0;
    int64_t free = 0;
    if (const auto space = files.GetDiskFreeSpace(root)) {
      total = Bytes(space->totalClusters, *space);
      free = Bytes(space->freeClusters, *space);
    }
    const int row = rows->InsertItem(rows->ItemCount(), name, 0, nullptr);
    rows->SetItemText(row, 1, FormatSize(total));
    rows->SetItemText(row, 2, FormatSize(free));
  }
  surface.SetText(IDC_DETAIL_VALUE1, FormatSize(measured_.windowsTempSpaceUsed));
  surface.SetText(IDC_DETAIL_VALUE2, FormatSize(measured_.netscapeTempSpaceUsed));
  surface.SetText(IDC_DETAIL_VALUE3, FormatSize(measured_.explorerTempSpaceUsed));
}

CConfigFilePage::CConfigFilePage(RunContext& context, int dialogId, std::string path,
                                 int avgCharWidth)
    : PageLogic(dialogId), context_(context), path_(std::move(path)), avgCharWidth_(avgCharWidth) {}

bool CConfigFilePage::OnSetActive(ControlSurface& surface) {
  if (filled_) return true;
  filled_ = true;
  surface.SetHorizontalExtent(IDC_FILE_LINES, kExtentCharacters * avgCharWidth_);
  const auto bytes = context_.machine.Files().ReadFile(path_);
  if (!bytes) return true;
  LineSplitter lines(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  for (std::string_view line; lines.Next(line);) surface.AddLine(IDC_FILE_LINES, std::string(line));
  return true;
}

CConfigSys::CConfigSys(RunContext& context, int avgCharWidth)
    : CConfigFilePage(context, IDD_CONFIG_SYS, "c:\\config.sys", avgCharWidth) {}

CAutoexecBat::CAutoexecBat(RunContext& context, int avgCharWidth)
    : CConfigFilePage(context, IDD_AUTOEXEC_BAT, "c:\\autoexec.bat", avgCharWidth) {}

}  // namespace cvn
