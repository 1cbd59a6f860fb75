// Conversions between FILETIME ticks and calendar dates (proleptic
// Gregorian, as FileTimeToSystemTime and SystemTimeToFileTime).
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Types.h"

namespace cvn::emulated {

inline constexpr uint64_t kTicksPerSecond = 10'000'000;
inline constexpr uint64_t kTicksPerMinute = 60 * kTicksPerSecond;
// Ticks from 1601-01-01 to 1970-01-01.
inline constexpr uint64_t kUnixEpochTicks = 116'444'736'000'000'000;

// Nothing for ticks of 2^63 and above, which FileTimeToSystemTime rejects.
std::optional<platform::SystemTime> TicksToSystemTime(uint64_t ticks);
// Nothing for a date or time out of range (months 1-12, valid days, ...).
// The day of the week is not read.
std::optional<uint64_t> SystemTimeToTicks(const platform::SystemTime& time);

// 0 = Sunday.
uint16_t DayOfWeek(int year, int month, int day);

}  // namespace cvn::emulated
