#include "platform/emulated/CivilTime.h"

namespace cvn::emulated {

namespace {

constexpr int64_t kTicksPerDay = 86400 * static_cast<int64_t>(kTicksPerSecond);
constexpr int64_t kDaysFrom1601ToCivilEpoch = -584694;  // 0000-03-01 counted from 1601-01-01
constexpr int kMaxYear = 30827;

// Days since 1601-01-01 of a date (Howard Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe + kDaysFrom1601ToCivilEpoch;
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

}  // namespace

uint16_t DayOfWeek(int year, int month, int day) {
  // 1601-01-01 was a Monday.
  const int64_t days = DaysFromCivil(year, month, day);
  return static_cast<uint16_t>(((days % 7) + 7 + 1) % 7);
}

std::optional<platform::SystemTime> TicksToSystemTime(uint64_t ticks) {
  if (ticks >= (uint64_t{1} << 63)) return std::nullopt;
  const auto signedTicks = static_cast<int64_t>(ticks);
  const int64_t days = signedTicks / kTicksPerDay;
  const int64_t rest = signedTicks % kTicksPerDay;
  // civil_from_days
  const int64_t z = days - kDaysFrom1601ToCivilEpoch;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yoe + era * 400 + (month <= 2);
  platform::SystemTime time;
  time.year = static_cast<uint16_t>(year);
  time.month = static_cast<uint16_t>(month);
  time.day = static_cast<uint16_t>(day);
  time.dayOfWeek = static_cast<uint16_t>(((days % 7) + 1) % 7);
  const int64_t ms = rest / 10'000;
  time.hour = static_cast<uint16_t>(ms / 3'600'000);
  time.minute = static_cast<uint16_t>(ms / 60'000 % 60);
  time.second = static_cast<uint16_t>(ms / 1000 % 60);
  time.milliseconds = static_cast<uint16_t>(ms % 1000);
  return time;
}

std::optional<uint64_t> SystemTimeToTicks(const platform::SystemTime& t) {
  if (t.year < 1601 || t.year > kMaxYear || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > DaysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59 ||
      t.milliseconds > 999) {
    return std::nullopt;
  }
  const int64_t days = DaysFromCivil(t.year, t.month, t.day);
  const int64_t ms = ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.milliseconds;
  return static_cast<uint64_t>(days * kTicksPerDay + ms * 10'000);
}

}  // namespace cvn::emulated
