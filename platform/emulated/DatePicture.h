// GetDateFormat and GetTimeFormat pictures in the English names: d, dd,
// ddd, dddd, M, MM, MMM, MMMM, y, yy, yyyy, g for dates; h, hh, H, HH, m,
// mm, s, ss, t, tt for times; text in single quotes ('' for a quote).
#pragma once

#include <string>
#include <string_view>

#include "platform/Types.h"

namespace cvn::emulated {

std::string FormatDatePicture(const platform::SystemTime& time, std::string_view picture);
// `noSeconds` drops the seconds and the separator before them, as
// TIME_NOSECONDS does ("h:mm:ss tt" gives "3:07 PM").
std::string FormatTimePicture(const platform::SystemTime& time, std::string_view picture, bool noSeconds);

}  // namespace cvn::emulated
