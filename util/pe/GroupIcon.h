// An RT_GROUP_ICON resource (GRPICONDIR): the icon images of one icon.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "util/pe/Result.h"

namespace cvn::pe {

struct GroupIconEntry {
  uint8_t width = 0;
  uint8_t height = 0;
  uint8_t colorCount = 0;
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t bytesInRes = 0;
  uint16_t id = 0;  // the RT_ICON resource holding the image
};

// Fails on a wrong header (reserved 0, type 1) or entries past the data.
Result<std::vector<GroupIconEntry>> ParseGroupIcon(std::span<const uint8_t> data);

}  // namespace cvn::pe
