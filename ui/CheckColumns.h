// The columns of the configuration check lists: their titles and widths.
// The widths start from a number of average characters per column, share
// out the width the list has left, and keep the notes readable.
#pragma once

#include <vector>

#include "config/SectionId.h"
#include "platform/Strings.h"
#include "ui/ControlSurface.h"

namespace cvn {

struct CheckColumn {
  int title = 0;       // string table number of the header text
  int characters = 0;  // width in average characters before the free width is shared
};

// The columns of the result list `list` (a section with checkable items,
// the minimum requirements or the recent changes), in order; empty for a
// text section.
std::vector<CheckColumn> CheckListColumns(SectionId list);

struct ColumnMetrics {
  int avgCharWidth = 0;      // of the screen font
  int listWidth = 0;         // of the list window
  int scrollArrowWidth = 0;  // of a horizontal scroll bar's arrow
};

// The pixel widths of `columns`: each at least its characters and its
// header text (`headerWidths`, in pixels, one per column), plus an equal
// share of the width the list has left. On every list but the minimum
// requirements the last column (the notes) gets at least 128 characters.
std::vector<int> CheckColumnWidths(SectionId list, const std::vector<CheckColumn>& columns,
                                   const std::vector<int>& headerWidths, const ColumnMetrics& metrics);

// Gives list `listId` the columns of `list`, sized for the list's
// width and the header texts in the list's font.
void SetCheckListColumns(ControlSurface& surface, int listId, SectionId list, platform::Strings& texts,
                         int avgCharWidth, int scrollArrowWidth);

}  // namespace cvn
