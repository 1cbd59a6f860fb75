#include "checks/SystemProfileMeasure.h"

#include "checks/SystemProfileConfigSys.h"
#include "checks/SystemProfileRegistry.h"
#include "checks/SystemProfileTempFiles.h"
#include "config/RunContext.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

// The first Windows 11 build; Windows 11 still reports version 10.0.
constexpr uint32_t kFirstWindows11Build = 22000;

// Windows NT 5.0 and later, by version number; a release newer than the
// newest known one counts as that one.
int LaterNtCode(const platform::OsVersion& version) {
  struct Release {
    uint32_t major;
    uint32_t minor;
    int code;
  };
  static constexpr Release kReleases[] = {{10, 0, winver::kWin10}, {6, 3, winver::kWin81},
                                          {6, 2, winver::kWin8},   {6, 1, winver::kWin7},
                                          {6, 0, winver::kVista},  {5, 1, winver::kWinXp},
                                          {5, 0, winver::kWin2000}};
  for (const Release& release : kReleases) {
    if (version.major > release.major || (version.major == release.major && version.minor >= release.minor)) {
      const bool eleven = release.code == winver::kWin10 && (version.major > 10 || version.build >= kFirstWindows11Build);
      return eleven ? winver::kWin11 : release.code;
    }
  }
  return winver::kNt30;
}

int OsCodeOf(const platform::OsVersion& version) {
  if (version.platformId == platform::kPlatformWindows) return winver::kWin95;
  if (version.platformId != platform::kPlatformNt) return winver::kWin31;
  if (version.major >= 5) return LaterNtCode(version);
  if (version.major == 4) return winver::kNt40;
  if (version.major == 3 && version.minor == 50) return winver::kNt35;
  if (version.major == 3 && version.minor == 51) return winver::kNt351;
  return winver::kNt30;
}

void MeasureVersion(RunContext& context, SystemProfile& profile) {
  const platform::OsVersion version = context.machine.System().GetVersion();
  if (version.major == 0) return;  // the query failed
  profile.windowsMajor = version.major;
  profile.windowsMinor = version.minor;
  profile.windowsBuild = version.build;
  profile.windowsPlatformId = version.platformId;
  profile.windowsVersion = OsCodeOf(version);
  context.isNt = version.platformId == platform::kPlatformNt;
}

// Free bytes of a drive root; the field keeps its value when the query fails.
void MeasureFreeBytes(RunContext& context, const std::string& root, int64_t& field) {
  if (const auto space = context.machine.Files().GetDiskFreeSpace(root)) {
    field = static_cast<int64_t>(space->freeBytes);
  }
}

void MeasureMemory(RunContext& context, SystemProfile& profile) {
  const platform::MemoryStatus memory = context.machine.System().GetMemoryStatus();
  profile.totalPhysicalMemory = static_cast<int64_t>(memory.totalPhys);
  profile.availPhysicalMemory = static_cast<int64_t>(memory.availPhys);
  profile.totalVirtualMemory = static_cast<int64_t>(memory.totalVirtual);
  profile.availVirtualMemory = static_cast<int64_t>(memory.availVirtual);
}

void MeasureDisplay(RunContext& context, SystemProfile& profile) {
  platform::SystemInfo& system = context.machine.System();
  const platform::DisplayCaps caps = system.GetDisplayCaps();
  if (caps.planes != 0 || caps.bitsPerPixel != 0) {
    profile.videoPlanes = static_cast<uint32_t>(caps.planes);
    profile.videoBitsPerPixel = static_cast<uint32_t>(caps.bitsPerPixel);
    profile.colorClass = ColorClassOfDepth(int64_t{caps.planes} * caps.bitsPerPixel);
  }
  profile.horizontalResolution = system.GetSystemMetrics(platform::metric::kCxScreen);
  profile.verticalResolution = system.GetSystemMetrics(platform::metric::kCyScreen);
}

void MeasureDevices(RunContext& context, SystemProfile& profile) {
  platform::SystemInfo& system = context.machine.System();
  profile.mouse = system.GetSystemMetrics(platform::metric::kMousePresent) != 0;
  profile.network = system.GetSystemMetrics(platform::metric::kNetwork) > 0;
}

// Drives C to Z; floppies A and B are never touched.
bool HasCdRomDrive(RunContext& context) {
  for (char drive = 'C'; drive <= 'Z'; ++drive) {
    const std::string root{drive, ':', '\\'};
    if (context.machine.Files().GetDriveType(root) == platform::DriveType::CdRom) return true;
  }
  return false;
}

void MeasureMaker(RunContext& context, SystemProfile& profile) {
  if (auto maker = ReadRegistryText(context.machine.Reg(), platform::hkey::kLocalMachine,
                                    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SETUP",
                                    "Manufacturer")) {
    profile.computerMaker = std::move(*maker);
  }
}

}  // namespace

int ColorClassOfDepth(int64_t bits) {
  if (bits < 8) return colors::k16;
  if (bits == 8) return colors::k256;
  if (bits <= 16) return colors::kHighColor;
  return colors::kTrueColor;
}

int ProcessorCodeOf(uint32_t processorType) {
  if (processorType > 586) return cpu::kPentiumPro;
  if (processorType == 486) return cpu::k486;
  if (processorType == 386) return cpu::k386;
  return cpu::kPentium;
}

void MeasureDiskSpace(RunContext& context, SystemProfile& profile) {
  context.locations.EnsureFilled(context.machine);
  MeasureFreeBytes(context, std::string{context.locations.applicationDrive, ':', '\\'},
                   profile.appDiskSpace);
  const std::string windows = context.machine.Files().WindowsDirectory();
  MeasureFreeBytes(context, windows.substr(0, 3), profile.winDiskSpace);
}

void MeasureTemporarySpace(RunContext& context, SystemProfile& profile) {
  profile.windowsTempSpaceUsed = TemporarySpaceUsed(context, TempFolder::Windows);
  profile.netscapeTempSpaceUsed = TemporarySpaceUsed(context, TempFolder::Netscape);
  profile.explorerTempSpaceUsed = TemporarySpaceUsed(context, TempFolder::InternetExplorer);
}

void Measure(RunContext& context, SystemProfile& profile) {
  MeasureVersion(context, profile);
  profile.configFiles = ConfigFiles(context);
  profile.configBuffers = ConfigBuffers(context);
  profile.processor = ProcessorCodeOf(context.machine.System().ProcessorType());
  MeasureDiskSpace(context, profile);
  MeasureMemory(context, profile);
  MeasureDisplay(context, profile);
  MeasureDevices(context, profile);
  profile.cdrom = HasCdRomDrive(context);
  profile.modem = ModemPresent(context.machine.Reg());
  MeasureTemporarySpace(context, profile);
  MeasureMaker(context, profile);
}

}  // namespace cvn
