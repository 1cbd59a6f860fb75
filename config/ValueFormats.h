// The words and numbers a vendor writes into the database (Win 95, 486,
// 8 MB, true color, weekly) and their codes, in both directions. Readers
// never fail: text that matches nothing gives the stated default.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include "platform/Types.h"

namespace cvn {

// Windows version codes; a larger code is a larger requirement.
namespace winver {
inline constexpr int kWin30 = 0;
inline constexpr int kWin31 = 1;
inline constexpr int kWin311 = 2;
inline constexpr int kWin95 = 3;
inline constexpr int kNt30 = 4;
inline constexpr int kNt35 = 5;
inline constexpr int kNt351 = 6;
inline constexpr int kNt40 = 7;
// Later Windows NT releases; a server release counts as the client of its
// version number (Server 2008 R2 as Windows 7).
inline constexpr int kWin2000 = 8;
inline constexpr int kWinXp = 9;
inline constexpr int kVista = 10;
inline constexpr int kWin7 = 11;
inline constexpr int kWin8 = 12;
inline constexpr int kWin81 = 13;
inline constexpr int kWin10 = 14;
inline constexpr int kWin11 = 15;
}  // namespace winver

// Processor codes.
namespace cpu {
inline constexpr int k8086 = 0;
inline constexpr int k80186 = 1;
inline constexpr int k286 = 2;
inline constexpr int k386 = 3;
inline constexpr int k486 = 4;
inline constexpr int kPentium = 5;
inline constexpr int kPentiumPro = 6;
}  // namespace cpu

// Colour classes of the display.
namespace colors {
inline constexpr int k16 = 0;
inline constexpr int k256 = 1;
inline constexpr int kHighColor = 2;
inline constexpr int kTrueColor = 3;
}  // namespace colors

// How often a usage snapshot is recorded.
namespace frequency {
inline constexpr int kNever = 0;
inline constexpr int kAlways = 1;
inline constexpr int kDaily = 2;
inline constexpr int kWeekly = 3;
inline constexpr int kMonthly = 4;
}  // namespace frequency

// Answers to the problem questions; any other value means "don't know".
namespace answer {
inline constexpr int kYes = 0;
inline constexpr int kNo = 1;
inline constexpr int kDontKnow = 2;
}  // namespace answer

// Four version components, most significant first.
using VersionNumber = std::array<uint32_t, 4>;

struct Resolution {
  int32_t width = 0;
  int32_t height = 0;
};

// ---- Readers (text to value) ----

// False when the text holds any of N n F f 0; true otherwise, also when empty.
bool ReadYesNo(std::string_view text);
// Case-sensitive words: never, always, daily, weekly, monthly; else always.
int ReadFrequency(std::string_view text);
int ReadWindowsVersion(std::string_view text);
int ReadProcessor(std::string_view text);
// "true"/"million", "high"/"thousand", or a number of colours.
int ReadColors(std::string_view text);
// "%d", times 1024 when the text holds K or k. Saturates instead of wrapping.
int32_t ReadCountWithK(std::string_view text);
// "%ld" with one multiplier: K 1024, else M 1048576, else G 1073741824.
// Computed in 64 bits so that "4G" or "3000M" keep their value.
int64_t ReadSize(std::string_view text);
// "%d"; 0 when the text does not start with a number.
int32_t ReadInteger(std::string_view text);
// An answer code as stored ("%d"); see answer:: for its meaning.
int ReadAnswerCode(std::string_view text);
// Width "%d", height the second number of "%d x %d".
Resolution ReadResolution(std::string_view text);
// "%4d%2d%2d%2d%2d" into year, month, day, hour and minute; missing fields 0.
platform::SystemTime ReadTimestamp(std::string_view text);
// "0x0000000a" or "0X0000000A" (ten characters, 'x' or 'X' second) gives
// four bytes in machine order;
// anything else is read as "01 02 ff": (length + 1) / 3 bytes.
platform::Bytes ReadRegistryData(std::string_view text);
// Worth of one digit: digit - '0', upper-case letter - 55, lower-case - 87.
uint32_t DigitValue(char c);
// The leading letters and digits of `text` as a number in `base`.
uint32_t ReadDigits(std::string_view text, uint32_t base);
// Four components: decimal digits, then one optional '.'; missing ones are 0.
VersionNumber ReadVersion(std::string_view text);

// +1 when `a` is the newer version, -1 when older, 0 when all four match.
int CompareVersions(std::string_view a, std::string_view b);

// ---- Writers (value to text) ----

std::string FormatWindowsVersion(int code);
std::string FormatProcessor(int code);
std::string FormatColors(int code);
std::string FormatFrequency(int code);
std::string FormatYesNo(bool value);
std::string FormatAnswer(int code);
std::string FormatFound(int found);
std::string FormatRequired(int required);
std::string FormatInteger(int64_t value);
// "1023 bytes", "1 KB", "1.50 KB", "8 MB", "1.50 MB", from the exact byte count.
std::string FormatSize(int64_t size);
// The platform's short date, a blank and the time without seconds.
std::string FormatDateTime(platform::SystemInfo& system, const platform::SystemTime& time);
// "%04d%02d%02d%02d%02d" of year, month, day, hour and minute.
std::string FormatTimestamp(const platform::SystemTime& time);
// Registry data of the none, binary and 32-bit number types; empty otherwise.
std::string FormatRegistryData(uint32_t type, const platform::Bytes& data);

}  // namespace cvn
