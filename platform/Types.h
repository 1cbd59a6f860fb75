// Value types shared by every platform service. They mirror the Win32
// structures the services wrap, without any Windows header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cvn::platform {

using Bytes = std::vector<uint8_t>;

// The result of a core operation: done, failed, or given up at the user's
// word. The values are those of S_OK, E_FAIL and E_ABORT; the type is its
// own, so that it is never mistaken for a Win32 error code (as the Registry
// returns them), and a caller cannot drop it unread.
enum class [[nodiscard]] HResult : int32_t{
    Ok = 0,
    Fail = static_cast<int32_t>(0x80004005u),
    Abort = static_cast<int32_t>(0x80004004u),
};
inline constexpr HResult kSOk = HResult::Ok;
inline constexpr HResult kEFail = HResult::Fail;
inline constexpr HResult kEAbort = HResult::Abort;

// File attribute bits (FILE_ATTRIBUTE_*).
namespace attr {
inline constexpr uint32_t kReadOnly = 0x01;
inline constexpr uint32_t kHidden = 0x02;
inline constexpr uint32_t kSystem = 0x04;
inline constexpr uint32_t kDirectory = 0x10;
inline constexpr uint32_t kArchive = 0x20;
inline constexpr uint32_t kNormal = 0x80;
inline constexpr uint32_t kTemporary = 0x100;
inline constexpr uint32_t kOffline = 0x1000;
inline constexpr uint32_t kNotContentIndexed = 0x2000;
inline constexpr uint32_t kInvalid = 0xFFFFFFFFu;
}  // namespace attr

// 100-nanosecond intervals since 1601-01-01 UTC, as FILETIME.
struct FileTime {
  uint32_t low = 0;
  uint32_t high = 0;
  uint64_t Ticks() const { return (static_cast<uint64_t>(high) << 32) | low; }
  static FileTime FromTicks(uint64_t ticks) {
    return {static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
  }
  bool operator==(const FileTime&) const = default;
};

// SYSTEMTIME.
struct SystemTime {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t dayOfWeek = 0;  // 0 = Sunday
  uint16_t day = 0;
  uint16_t hour = 0;
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t milliseconds = 0;
  bool operator==(const SystemTime&) const = default;
};

// One directory entry as FindFirstFile/FindNextFile report it.
struct FindData {
  uint32_t attributes = 0;
  FileTime lastWriteTime;
  uint64_t size = 0;
  std::string name;       // long name, no folder
  std::string shortName;  // 8.3 alternate name, empty when the name already fits
};

// What a program of one bitness sees of 64-bit Windows: a 32-bit program
// reads the 32-bit Registry view (keys kept under "Wow6432Node") and finds
// SysWOW64 as its System folder. Native is what this program itself sees.
// On 32-bit Windows there is only one of each, whichever is asked for.
enum class View { Native, Bits32, Bits64 };

}  // namespace cvn::platform
