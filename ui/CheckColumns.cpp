#include "ui/CheckColumns.h"

#include <algorithm>

namespace cvn {

namespace {

namespace title {
constexpr int kRequirement = 10413;
constexpr int kActual = 10414;
constexpr int kMinimum = 10415;
constexpr int kFile = 10416;
constexpr int kActualVersion = 10417;
constexpr int kRequiredVersion = 10418;
constexpr int kActualData = 10419;
constexpr int kExpectedData = 10420;
constexpr int kNotes = 10421;
constexpr int kName = 10425;
constexpr int kCurrent = 10426;
constexpr int kPrevious = 10427;
}  // namespace title

constexpr int kRequirementsCategory = 15;
constexpr int kNotesCharacters = 128;
// The list's border, beside the scroll bar arrow.
constexpr int kListBorder = 4;

}  // namespace

std::vector<CheckColumn> CheckListColumns(int category) {
  if (category == kRequirementsCategory) {
    return {{title::kRequirement, 30}, {title::kActual, 15}, {title::kMinimum, 15}};
  }
  if (category >= 0 && category <= 3) {
    return {{title::kFile, 20}, {title::kActualVersion, 12}, {title::kRequiredVersion, 12}, {title::kNotes, 20}};
  }
  if (category == 4 || category == 5) {
    return {{title::kName, 20}, {title::kActualData, 20}, {title::kExpectedData, 20}, {title::kNotes, 20}};
  }
  if (category >= 6 && category <= 8) return {{title::kName, 40}, {title::kFile, 20}, {title::kNotes, 20}};
  if (category == kRecentChangesCategory) {
    return {{title::kName, 16}, {title::kCurrent, 16}, {title::kPrevious, 16}, {title::kNotes, 20}};
  }
  return {};
}

std::vector<int> CheckColumnWidths(int category, const std::vector<CheckColumn>& columns,
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
  if (category != kRequirementsCategory) {
    widths.back() = std::max(widths.back(), kNotesCharacters * metrics.avgCharWidth);
  }
  return widths;
}

void SetCheckListColumns(ControlSurface& surface, int listId, int category, platform::Strings& texts,
                         int avgCharWidth, int scrollArrowWidth) {
  const std::vector<CheckColumn> columns = CheckListColumns(category);
  std::vector<std::string> titles;
  std::vector<int> headerWidths;
  for (const CheckColumn& column : columns) {
    titles.push_back(texts.Load(column.title));
    headerWidths.push_back(surface.TextWidth(listId, titles.back()));
  }
  // The list window's width, border included: the border is what the
  // fixed 4 pixels stand for.
  const ControlRect list = surface.RectOf(listId);
  const ColumnMetrics metrics{avgCharWidth, list.right - list.left, scrollArrowWidth};
  const std::vector<int> widths = CheckColumnWidths(category, columns, headerWidths, metrics);
  std::vector<ListColumn> shown;
  for (size_t i = 0; i < columns.size(); ++i) shown.push_back({titles[i], widths[i]});
  surface.SetColumns(listId, shown);
}

}  // namespace cvn
