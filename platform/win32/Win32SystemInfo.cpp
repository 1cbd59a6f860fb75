// System facts: GetVersionEx, GetSystemInfo, GlobalMemoryStatus, the
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
  return OsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformId,
                   FixedText(info.szCSDVersion, sizeof info.szCSDVersion)};
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
    return ::GetDateFormatA(LOCALE_USER_DEFAULT, flags, &when, nullptr, buffer, size);
  });
}

std::string Win32SystemInfo::FormatTime(const SystemTime& time) {
  const SYSTEMTIME when = ToSYSTEMTIME(time);
  return TextOfMeasuredCall([&](char* buffer, int size) {
    return ::GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &when, nullptr, buffer, size);
  });
}

}  // namespace cvn::platform::win32
