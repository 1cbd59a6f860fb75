// One line of the file information database: the size and date of a
// shipped file.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace cvn {

struct FileInfoEntry {
  std::string name;
  uint32_t size = 0;
  platform::SystemTime date;  // year, month, day, hour and minute
};

}  // namespace cvn
