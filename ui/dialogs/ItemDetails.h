// Opens the details of one row of a check list or of the recent changes:
// the file details sheet, the setting details, or the OLE registration or
// type library details. Categories are the section indexes 0..8.
#pragma once

#include <cstddef>
#include <string>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "ui/UiHost.h"

namespace cvn {

struct ItemRef {
  SectionId category = SectionId::ProgramInfo;  // a section with checkable items
  std::string name;      // files, servers and type libraries: the entry's name
  size_t index = 0;      // settings: the entry's index in its section
  bool compare = false;  // the recent-changes form: "Current:" and "Previous:"
  bool noAdvice = false;  // settings: no suggested action

  static ItemRef File(SectionId category, std::string fileName) { return {category, std::move(fileName), 0}; }
  static ItemRef Setting(SectionId category, size_t index) { return {category, "", index}; }
  static ItemRef Registration(SectionId category, std::string name) { return {category, std::move(name), 0}; }
};

// Shows the details dialog of the item modally; false (nothing shown) when
// the section holds no such item.
bool ShowItemDetails(RunContext& context, const ConfigDatabase& database, UiHost& host, const ItemRef& item);

}  // namespace cvn
