// The list texts of COM class and type library registrations, shared by
// the check pages and the report: which aspects failed, in words, and the
// row that shows them.
#pragma once

#include <string>

#include "config/ConfigDatabase.h"
#include "config/Items.h"
#include "platform/Strings.h"
#include "util/RowData.h"

namespace cvn {

// "Problem found: server location." or "Problems found: prog ID, version.",
// "server not found." or "type library not found." in place of the list,
// with "  This file is not required." after it for an item that is not
// required; empty when no aspect failed.
std::string RegistrationProblemText(platform::Strings& strings, const ServerItem& item);
std::string RegistrationProblemText(platform::Strings& strings, const TypeLibItem& item);

// One row of a registration list: the item's first two fields, its
// problem text and its record.
struct RegistrationRow {
  std::string name;
  std::string file;
  std::string problemText;
  RowData data;
};

// The row of a checked item at `index` in the section of `category`.
RegistrationRow MakeRegistrationRow(platform::Strings& strings, const ServerItem& item,
                                    SectionId category, int index);
RegistrationRow MakeRegistrationRow(platform::Strings& strings, const TypeLibItem& item, int index);

}  // namespace cvn
