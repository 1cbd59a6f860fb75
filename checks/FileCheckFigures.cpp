#include "checks/FileCheckFigures.h"

#include "config/ValueFormats.h"

namespace cvn {

namespace {

// 0 for Sunday, for a Gregorian date (Sakamoto's method).
uint16_t DayOfWeek(const platform::SystemTime& time) {
  static constexpr int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (time.year < 1601 || time.month < 1 || time.month > 12) return time.dayOfWeek;
  const int year = time.year - (time.month < 3 ? 1 : 0);
  const int day = year + year / 4 - year / 100 + year / 400 + kMonthOffsets[time.month - 1] + time.day;
  return static_cast<uint16_t>(day % 7);
}

}  // namespace

std::string FileSizeText(uint32_t size) {
  std::string text = FormatSize(size);
  if (size >= 1024) text += " (" + std::to_string(size) + " bytes)";
  return text;
}

std::string FileDateText(platform::SystemInfo& system, const platform::SystemTime& time) {
  platform::SystemTime dated = time;
  dated.dayOfWeek = DayOfWeek(time);
  return system.FormatDate(dated, platform::DateStyle::Long) + " " + system.FormatTime(dated);
}

bool SameMinute(const platform::SystemTime& a, const platform::SystemTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute;
}

}  // namespace cvn
