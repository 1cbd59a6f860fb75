#include "util/ListHelpers.h"

#include <algorithm>

namespace cvn {

namespace {

int RowsToVisit(const ListSurface& list) { return std::min(list.ItemCount(), kMaxListRows); }

}  // namespace

// The list frees each row's RowData as the row goes.
void ClearList(ListSurface& list) { list.DeleteAllItems(); }

std::optional<FocusedItem> FocusedRow(const ListSurface& list) {
  const int rows = RowsToVisit(list);
  for (int index = 0; index < rows; ++index) {
    if (list.GetItemState(index, rowstate::kFocused) != 0) {
      return FocusedItem{index, list.GetItemText(index, 0, kRowTextBuffer),
                         list.GetItemData(index)};
    }
  }
  return std::nullopt;
}

void ClearSelection(ListSurface& list) {
  const int rows = RowsToVisit(list);
  for (int index = 0; index < rows; ++index) {
    list.SetItemState(index, 0, rowstate::kFocused | rowstate::kSelected);
  }
}

}  // namespace cvn
