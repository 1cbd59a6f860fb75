// The filling of a configuration check list: the list is emptied, every
// item of the page's category is checked and counted, and the rows shown
// are added with their columns and RowData. Plain code over a ListSurface,
// so that the pages, host tests and benchmarks fill lists alike.
#pragma once

#include <cstdint>

#include "checks/ListedRows.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/Types.h"
#include "util/ListSurface.h"

namespace cvn {

// Empties `list`, freeing every RowData, sets `problemCount` to the items
// of `category` with a problem (shown or not) and adds the rows shown:
// files (0-3), INI and Registry settings (4, 5), registrations (6-8) or
// the minimum requirements (15). platform::kEFail, with an empty list and
// no problem, for an empty section, settings without both text sections,
// or any other category.
platform::HResult FillCheckList(RunContext& context, const ConfigDatabase& database, SectionId category, ShowRows show,
                                ListSurface& list, int& problemCount);

}  // namespace cvn
