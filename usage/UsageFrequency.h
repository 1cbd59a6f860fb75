// How often the usage database takes snapshots: "now" against the last
// check, by the periods of the frequency.
#pragma once

#include "platform/Types.h"

namespace cvn {

// 1 when `now` lies in a later period than `last`, 0 in the same one, -1
// in an earlier one. "never" always gives -1 and "always" 1; "weekly" counts
// the periods of a month as days 1-6, 7-13, 14-20, 21-27 and 28-31.
int CompareByFrequency(const platform::SystemTime& now, const platform::SystemTime& last, int frequency);

}  // namespace cvn
