// The record attached to every row of a result list: the check pages and
// the recent-changes list. The list owns it and frees it with the row.
#pragma once

#include <cstdint>
#include <string>

#include "config/SectionId.h"
#include "platform/Types.h"

namespace cvn {

struct RowData {
  int status = 0;       // ProblemLevel of the row, also its image index
  SectionId category = SectionId::ProgramInfo;  // the list the row is on
  int rowNumber = 0;    // position at which the row was inserted
  int itemIndex = 0;    // entry index in its section, or the details kind of a requirement row
  int sortValue = 0;    // secondary sort key (the date index on the recent-changes list)
  bool hasDetails = false;
  bool canFix = false;
  std::string text;     // the earlier version text or setting value on the recent-changes list
  uint32_t size = 0;    // the earlier file size on the recent-changes list
  platform::SystemTime time;  // the earlier last-write time on the recent-changes list

  bool operator==(const RowData&) const = default;
};

}  // namespace cvn
