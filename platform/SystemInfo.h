// System facts: version, processor, memory, screen, mouse, network, display,
// the clock and the locale's date and time formats.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace cvn::platform {

// GetVersionEx, with the true numbers on Windows NT even where the program's
// manifest does not name the release. platformId: 0 Win32s, 1 Windows 95/98,
// 2 Windows NT.
struct OsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  uint32_t platformId = 0;
  std::string servicePack;
};

inline constexpr uint32_t kPlatformWin32s = 0;
inline constexpr uint32_t kPlatformWindows = 1;
inline constexpr uint32_t kPlatformNt = 2;

// GlobalMemoryStatus, with 64-bit fields so that more than 2 GiB does not wrap.
struct MemoryStatus {
  uint32_t memoryLoad = 0;
  uint64_t totalPhys = 0;
  uint64_t availPhys = 0;
  uint64_t totalPageFile = 0;
  uint64_t availPageFile = 0;
  uint64_t totalVirtual = 0;
  uint64_t availVirtual = 0;
};

// GetSystemMetrics indexes the core asks for.
namespace metric {
inline constexpr int kCxScreen = 0;
inline constexpr int kCyScreen = 1;
inline constexpr int kMousePresent = 19;
inline constexpr int kCMouseButtons = 43;
inline constexpr int kNetwork = 63;
inline constexpr int kCxHScroll = 21;
}  // namespace metric

// GetDeviceCaps of the display.
struct DisplayCaps {
  int planes = 0;
  int bitsPerPixel = 0;
};

enum class DateStyle { Short, Long };

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  virtual OsVersion GetVersion() = 0;
  // 64 on 64-bit Windows (also for a 32-bit program under WOW64), else 32.
  virtual int WindowsBits() = 0;
  // GetSystemInfo's dwProcessorType (386, 486, 586, ...).
  virtual uint32_t ProcessorType() = 0;
  virtual MemoryStatus GetMemoryStatus() = 0;
  virtual int GetSystemMetrics(int index) = 0;
  virtual DisplayCaps GetDisplayCaps() = 0;

  virtual SystemTime LocalTime() = 0;
  // GetDateFormat with the system default locale's short or long date format.
  virtual std::string FormatDate(const SystemTime& time, DateStyle style) = 0;
  // GetTimeFormat of the system default locale with TIME_NOSECONDS.
  virtual std::string FormatTime(const SystemTime& time) = 0;
};

}  // namespace cvn::platform
