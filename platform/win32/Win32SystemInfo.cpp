// System facts: GetVersionEx (with RtlGetVersion's true numbers), GetSystemInfo, GlobalMemoryStatus, the
// display's device caps, the clock and the locale's date and time formats.
#include "platform/win32/Win32SystemInfo.h"

#include <optional>

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Convert.h"
#include "platform/win32/Win32Text.h"

namespace cvn::platform::win32 {
namespace {

using GlobalMemoryStatusExFunction = BOOL(WINAPI*)(MEMORYSTATUSEX*);

// GlobalMemoryStatusEx (Windows 2000 on) reports more than 4 GiB, which
// GlobalMemoryStatus clips; older systems have only the latter.
std::optional<MemoryStatus> ExtendedMemoryStatus() {
  const auto globalMemoryStatusEx =
      FindExport<GlobalMemoryStatusExFunction>("kernel32.dll", "GlobalMemoryStatusEx");
  if (globalMemoryStatusEx == nullptr) return std::nullopt;
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!globalMemoryStatusEx(&status)) return std::nullopt;
  return MemoryStatus{status.dwMemoryLoad,     status.ullTotalPhys,     status.ullAvailPhys,
                      status.ullTotalPageFile, status.ullAvailPageFile, status.ullTotalVirtual,
                      status.ullAvailVirtual};
}

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

// RtlGetVersion (ntdll, Windows 2000 on) gives the version the system really
// is: GetVersionEx reports 6.2 on Windows 8.1 and later to a program whose
// manifest does not name them.
bool ReadTrueVersion(OsVersion& version) {
  const auto rtlGetVersion = FindExport<RtlGetVersionFunction>("ntdll.dll", "RtlGetVersion");
  if (rtlGetVersion == nullptr) return false;
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (rtlGetVersion(&info) != 0) return false;
  version.major = info.dwMajorVersion;
  version.minor = info.dwMinorVersion;
  version.build = info.dwBuildNumber;
  return true;
}

MemoryStatus BasicMemoryStatus() {
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  ::GlobalMemoryStatus(&status);
  return MemoryStatus{status.dwMemoryLoad,    status.dwTotalPhys,     status.dwAvailPhys,
                      status.dwTotalPageFile, status.dwAvailPageFile, status.dwTotalVirtual,
                      status.dwAvailVirtual};
}

}  // namespace

OsVersion Win32SystemInfo::GetVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!::GetVersionExA(&info)) return {};
  OsVersion version{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformId,
                    FixedText(info.szCSDVersion, sizeof info.szCSDVersion)};
  if (version.platformId == kPlatformNt) ReadTrueVersion(version);
  return version;
}

uint32_t Win32SystemInfo::ProcessorType() {
  SYSTEM_INFO info{};
  ::GetSystemInfo(&info);
  return info.dwProcessorType;
}

MemoryStatus Win32SystemInfo::GetMemoryStatus() {
  if (const auto extended = ExtendedMemoryStatus()) return *extended;
  return BasicMemoryStatus();
}

int Win32SystemInfo::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

DisplayCaps Win32SystemInfo::GetDisplayCaps() {
  const HDC display = ::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (display == nullptr) return {};
  const DisplayCaps caps{::GetDeviceCaps(display, PLANES), ::GetDeviceCaps(display, BITSPIXEL)};
  ::DeleteDC(display);
  return caps;
}

SystemTime Win32SystemInfo::LocalTime() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return FromSYSTEMTIME(now);
}

std::string Win32SystemInfo::FormatDate(const SystemTime& time, DateStyle style) {
  const SYSTEMTIME when = ToSYSTEMTIME(time);
  const DWORD flags = style == DateStyle::Short ? DATE_SHORTDATE : DATE_LONGDATE;
  return TextOfMeasuredCall([&](char* buffer, int size) {
    return ::GetDateFormatA(LOCALE_SYSTEM_DEFAULT, flags, &when, nullptr, buffer, size);
  });
}

std::string Win32SystemInfo::FormatTime(const SystemTime& time) {
  const SYSTEMTIME when = ToSYSTEMTIME(time);
  return TextOfMeasuredCall([&](char* buffer, int size) {
    return ::GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, TIME_NOSECONDS, &when, nullptr, buffer, size);
  });
}

int Win32SystemInfo::WindowsBits() { return On64BitWindows() ? 64 : 32; }

}  // namespace cvn::platform::win32
