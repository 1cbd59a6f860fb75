#include "ui/CheckColumns.h"

#include <algorithm>

#include "resources/StringIds.h"

namespace cvn {

namespace {

constexpr int kNotesCharacters = 128;
// The list's border, beside the scroll bar arrow.
constexpr int kListBorder = 4;

}  // namespace

std::vector<CheckColumn> CheckListColumns(SectionId list) {
  switch (KindOf(list)) {
    case SectionKind::Requirements:
      return {{IDS_COLUMN_REQUIREMENT, 30}, {IDS_COLUMN_ACTUAL, 15}, {IDS_COLUMN_MINIMUM, 15}};
    case SectionKind::File:
      return {{IDS_COLUMN_FILE, 20},
              {IDS_COLUMN_ACTUAL_VERSION, 12},
              {IDS_COLUMN_REQUIRED_VERSION, 12},
              {IDS_COLUMN_NOTES, 20}};
    case SectionKind::Setting:
      return {
          {IDS_COLUMN_NAME, 20}, {IDS_COLUMN_ACTUAL_DATA, 20}, {IDS_COLUMN_EXPECTED_DATA, 20}, {IDS_COLUMN_NOTES, 20}};
    case SectionKind::Registration:
      return {{IDS_COLUMN_NAME, 40}, {IDS_COLUMN_FILE, 20}, {IDS_COLUMN_NOTES, 20}};
    case SectionKind::RecentChanges:
      return {{IDS_COLUMN_NAME, 16}, {IDS_COLUMN_CURRENT, 16}, {IDS_COLUMN_PREVIOUS, 16}, {IDS_COLUMN_NOTES, 20}};
    case SectionKind::Text:
      break;
  }
  return {};
}

std::vector<int> CheckColumnWidths(SectionId list, const std::vector<CheckColumn>& columns,
                                   const std::vector<int>& headerWidths, const ColumnMetrics& metrics) {
  std::vector<int> widths;
  int used = 0;
  for (size_t i = 0; i < columns.size(); ++i) {
    const int header = i < headerWidths.size() ? headerWidths[i] : 0;
    widths.push_back(std::max(metrics.avgCharWidth * columns[i].characters, header));
    used += widths.back();
  }
  if (widths.empty()) return widths;
  // A list narrower than the columns narrows each by its share; the list
  // scrolls sideways to the rest.
  const int free = metrics.listWidth - metrics.scrollArrowWidth - used - kListBorder;
  const int share = free / static_cast<int>(widths.size());
  for (int& width : widths) width += share;
  if (KindOf(list) != SectionKind::Requirements) {
    widths.back() = std::max(widths.back(), kNotesCharacters * metrics.avgCharWidth);
  }
  return widths;
}

void SetCheckListColumns(ControlSurface& surface, int listId, SectionId list, platform::Strings& texts,
                         int avgCharWidth, int scrollArrowWidth) {
  const std::vector<CheckColumn> columns = CheckListColumns(list);
  std::vector<std::string> titles;
  std::vector<int> headerWidths;
  for (const CheckColumn& column : columns) {
    titles.push_back(texts.Load(column.title));
    headerWidths.push_back(surface.TextWidth(listId, titles.back()));
  }
  // The list window's width, border included: the border is what the
  // fixed 4 pixels stand for.
  const ControlRect window = surface.RectOf(listId);
  const ColumnMetrics metrics{avgCharWidth, window.right - window.left, scrollArrowWidth};
  const std::vector<int> widths = CheckColumnWidths(list, columns, headerWidths, metrics);
  std::vector<ListColumn> shown;
  for (size_t i = 0; i < columns.size(); ++i) shown.push_back({titles[i], widths[i]});
  surface.SetColumns(listId, shown);
}

}  // namespace cvn
