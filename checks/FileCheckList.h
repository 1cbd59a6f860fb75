// Listing a section of files for the check pages: every item is checked,
// counted when it has a problem, and shown as a row with its severity and
// whether Fix can repair it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checks/ListedRows.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/Types.h"

namespace cvn {

struct FileRow {
  std::string name;
  std::string actualVersion;
  std::string requiredVersion;
  std::string notes;
  RowData data;
};

// Checks the items of the file section `section` in database order, adds
// one to `problemCount` for every item with a result and appends the rows
// shown. platform::kEFail, with no row, for a section that is not a file
// section or has no entries.
platform::HResult ListFiles(RunContext& context, const ConfigDatabase& database, SectionId section, ShowRows show,
                            std::vector<FileRow>& rows, int& problemCount);

}  // namespace cvn
