#include "platform/emulated/EmulatedSystemInfo.h"

#include "platform/emulated/DatePicture.h"

namespace cvn::emulated {

int EmulatedSystemInfo::GetSystemMetrics(int index) {
  switch (index) {
    case platform::metric::kCxScreen:
      return facts_.screenWidth;
    case platform::metric::kCyScreen:
      return facts_.screenHeight;
    case platform::metric::kMousePresent:
      return facts_.mousePresent ? 1 : 0;
    case platform::metric::kCMouseButtons:
      return facts_.mousePresent ? facts_.mouseButtons : 0;
    case platform::metric::kNetwork:
      return facts_.network;
    default:
      return 0;
  }
}

std::string EmulatedSystemInfo::FormatDate(const platform::SystemTime& time, platform::DateStyle style) {
  return FormatDatePicture(time, style == platform::DateStyle::Short ? facts_.shortDate : facts_.longDate);
}

std::string EmulatedSystemInfo::FormatTime(const platform::SystemTime& time) {
  return FormatTimePicture(time, facts_.timeFormat, true);
}

}  // namespace cvn::emulated
