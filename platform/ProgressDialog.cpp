#include "platform/ProgressDialog.h"

#include <algorithm>

namespace cvn {

int ClampPercent(int percent) { return std::clamp(percent, 0, 100); }

}  // namespace cvn
