// What the listings of a section share: which rows they show, and the
// record every row starts from.
#pragma once

#include "util/RowData.h"

namespace cvn {

enum class ShowRows { Problems, All };

// A row is shown when the list shows every row or the row has a problem
// (a level above 1).
inline bool RowShown(ShowRows show, int status) { return show == ShowRows::All || status > 1; }

// The record of a row shown at `rowNumber` of the list of `list`, with
// Details enabled; the listing sets the entry index and whether it can fix.
inline RowData ListedRowData(int status, SectionId list, int rowNumber) {
  RowData data;
  data.status = status;
  data.category = list;
  data.rowNumber = rowNumber;
  data.hasDetails = true;
  return data;
}

}  // namespace cvn
