#include "util/RowOrder.h"

namespace cvn {

namespace {

constexpr int kReverted = 10;
constexpr int kRevertedAtRestart = 11;

// The status as mode 0 weighs it: a reverted row has nothing left to fix.
int WorstFirstKey(int status) {
  return status == kReverted || status == kRevertedAtRestart ? 0 : status;
}

// The status as mode 4 weighs it: warnings (2, 3) rank with the problems
// that wait for a restart (6, 7).
int LeastSeriousFirstKey(int status) {
  if (status == 2 || status == 3) return status + 4;
  return WorstFirstKey(status);
}

int Ascending(int a, int b) { return a < b ? -1 : a > b ? 1 : 0; }

}  // namespace

int CompareRows(const RowData& a, const RowData& b, int mode, int column) {
  if (column != 0) return 0;
  switch (mode) {
    case sortmode::kWorstFirst: return Ascending(WorstFirstKey(b.status), WorstFirstKey(a.status));
    case sortmode::kDatabaseOrder: return Ascending(a.rowNumber, b.rowNumber);
    case sortmode::kSortValueUp: return Ascending(a.sortValue, b.sortValue);
    case sortmode::kSortValueDown: return Ascending(b.sortValue, a.sortValue);
    case sortmode::kLeastSeriousFirst:
      return Ascending(LeastSeriousFirstKey(a.status), LeastSeriousFirstKey(b.status));
    default: return 0;
  }
}

void SortRows(ListSurface& list, int mode) {
  list.SortItems([mode](const RowData* a, const RowData* b) {
    if (a == nullptr || b == nullptr) return Ascending(a == nullptr ? 1 : 0, b == nullptr ? 1 : 0);
    const int order = CompareRows(*a, *b, mode);
    // Ties go in database order, whether or not the list's sort is stable.
    return order != 0 ? order : Ascending(a->rowNumber, b->rowNumber);
  });
}

}  // namespace cvn
