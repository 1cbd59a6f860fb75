// The type description and icon of a file, chosen by its extension.
#pragma once

#include <optional>
#include <string>

#include "platform/Machine.h"

namespace cvn {

// Which icon a file type shows.
enum class IconKind {
  Generic = 0,
  OwnIcon = 1,  // the first icon inside the file itself
  ProgramExtension = 2,
  Help = 3,
  Font = 4,
  Registration = 5,
  Settings = 6,
  Archive = 7,
};

struct FileType {
  std::string description;
  IconKind iconKind = IconKind::Generic;
  platform::IconHandle icon = 0;
};

// Nothing for a file name without '.': such a file gets neither a
// description nor an icon.
std::optional<FileType> DescribeFile(platform::Machine& machine, const std::string& path);

}  // namespace cvn
