// The size and date texts of the file check and the comparison of dates
// to the minute.
#pragma once

#include <cstdint>
#include <string>

#include "platform/SystemInfo.h"

namespace cvn {

// The size format of the value writers, with " (N bytes)" after it from
// 1024 bytes on: "1000 bytes", "2 KB (2048 bytes)".
std::string FileSizeText(uint32_t size);

// The long date, a blank and the time without seconds. The day of the week
// is worked out from the date, since a file information entry has none.
std::string FileDateText(platform::SystemInfo& system, const platform::SystemTime& time);

// Year, month, day, hour and minute agree; seconds do not count.
bool SameMinute(const platform::SystemTime& a, const platform::SystemTime& b);

}  // namespace cvn
