// Listing a section of COM registrations for the check pages: classes of
// "Active X/OCX Registry Info" and "OLE Server Info", libraries of "Type
// Library Info". Every item is checked, counted when an aspect failed, and
// shown as a row that names the failed aspects. No row can be fixed.
#pragma once

#include <cstdint>
#include <vector>

#include "checks/ListedRows.h"
#include "checks/RegistrationText.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/Types.h"

namespace cvn {

// Checks the items of the registration section `id` in database order,
// adds one to `problemCount` for every item with a failed aspect and
// appends the rows shown. platform::kEFail, with no row, for a section that
// is not a registration section or has no entries.
platform::HResult ListRegistrations(RunContext& context, const ConfigDatabase& database, SectionId id, ShowRows show,
                                    std::vector<RegistrationRow>& rows, int& problemCount);

}  // namespace cvn
