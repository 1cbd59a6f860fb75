// The orders of a result list's rows, decided by their RowData alone, so
// that sorting never asks a check again.
#pragma once

#include "util/ListSurface.h"

namespace cvn {

namespace sortmode {
inline constexpr int kWorstFirst = 0;          // status, most serious first; reverted rows as none
inline constexpr int kDatabaseOrder = 1;       // rowNumber ascending
inline constexpr int kSortValueUp = 2;         // sortValue ascending
inline constexpr int kSortValueDown = 3;       // sortValue descending
inline constexpr int kLeastSeriousFirst = 4;   // status ascending, warnings after the problems
}  // namespace sortmode

// Below 0 when `a` goes before `b` in `mode`, above 0 when after, 0 when
// the mode does not tell them apart. Only the first column sorts: any
// other `column` compares equal.
int CompareRows(const RowData& a, const RowData& b, int mode, int column = 0);

// Sorts the rows of `list` in `mode`; rows that compare equal go in
// database order (rowNumber). Rows without data go last.
void SortRows(ListSurface& list, int mode);

}  // namespace cvn
