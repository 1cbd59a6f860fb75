// The list views and combo boxes of another process, worked as a user
// would: the control changes and its page hears of it.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "tests/driver/Dialog.h"

namespace cvn::uidriver {

// Selects and focuses the row of a list view, whose parent then gets
// LVN_ITEMCHANGED as after a click. False when the control is no list view
// or has no such row.
bool SelectRow(HWND list, int row);

// Makes the entry the combo box's choice and tells its parent with
// CBN_SELCHANGE, as a user's choice would. False when the control is no
// combo box or has fewer entries.
bool PickEntry(HWND combo, int entry);

// Every row of a list view: each column's text and the row's image;
// nothing when the control is no list view or does not answer.
std::optional<std::vector<ListRow>> RowsOf(HWND list);

}  // namespace cvn::uidriver
