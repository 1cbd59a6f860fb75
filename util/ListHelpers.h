// Helpers over a result list: emptying it, finding the focused row and
// clearing the selection. Each looks at no more than kMaxListRows rows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "util/ListSurface.h"

namespace cvn {

inline constexpr int kMaxListRows = 10000;
// The focused row's text is read into a buffer of this many characters.
inline constexpr size_t kRowTextBuffer = 260;

struct FocusedItem {
  int index = -1;
  std::string text;          // first column, at most kRowTextBuffer - 1 characters
  RowData* data = nullptr;   // owned by the list
};

// Removes every row and frees its RowData.
void ClearList(ListSurface& list);

// The first row that has the focus, or nothing when none has it.
std::optional<FocusedItem> FocusedRow(const ListSurface& list);

// Takes the focus and selection states from every row.
void ClearSelection(ListSurface& list);

}  // namespace cvn
