// The five orders of a result list and the column widths of the check
// lists.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "resources/StringIds.h"
#include "ui/CheckColumns.h"
#include "util/MemoryList.h"
#include "util/RowOrder.h"

namespace cvn {
namespace {

// A list whose rows carry `statuses` (and sortValues) in insertion order;
// each row's text is its rowNumber.
MemoryList ListOf(const std::vector<int>& statuses, const std::vector<int>& sortValues = {}) {
  MemoryList list;
  for (size_t i = 0; i < statuses.size(); ++i) {
    auto data = std::make_unique<RowData>();
    data->status = statuses[i];
    data->rowNumber = static_cast<int>(i);
    data->sortValue = i < sortValues.size() ? sortValues[i] : 0;
    list.InsertItem(static_cast<int>(i), std::to_string(i), statuses[i], std::move(data));
  }
  return list;
}

std::vector<int> RowNumbers(const MemoryList& list) {
  std::vector<int> numbers;
  for (int i = 0; i < list.ItemCount(); ++i) numbers.push_back(list.GetItemData(i)->rowNumber);
  return numbers;
}

TEST(RowOrderTest, EachModeOrdersByItsKey) {
  const std::vector<int> statuses = {0, 10, 5, 2, 11, 3, 7};
  struct Case {
    int mode;
    std::vector<int> rowNumbers;
  };
  const Case cases[] = {
      // Worst first; reverted rows (10, 11) rank as no problem, ties in database order.
      {sortmode::kWorstFirst, {6, 2, 5, 3, 0, 1, 4}},
      {sortmode::kDatabaseOrder, {0, 1, 2, 3, 4, 5, 6}},
      // Least serious first, with the warnings 2 and 3 ranked as 6 and 7.
      {sortmode::kLeastSeriousFirst, {0, 1, 4, 2, 3, 5, 6}},
  };
  for (const Case& c : cases) {
    // Start from the reverse of database order, so that ties must be put back.
    MemoryList list = ListOf(statuses, {0, 1, 2, 3, 4, 5, 6});
    SortRows(list, sortmode::kSortValueDown);
    SortRows(list, c.mode);
    EXPECT_EQ(RowNumbers(list), c.rowNumbers) << "mode " << c.mode;
  }
}

TEST(RowOrderTest, SortValuesGoUpOrDownAndOtherColumnsCompareEqual) {
  MemoryList list = ListOf({0, 0, 0}, {20, 5, 9});
  SortRows(list, sortmode::kSortValueUp);
  EXPECT_EQ(RowNumbers(list), (std::vector<int>{1, 2, 0}));
  SortRows(list, sortmode::kSortValueDown);
  EXPECT_EQ(RowNumbers(list), (std::vector<int>{0, 2, 1}));

  RowData worse;
  worse.status = 5;
  const RowData better;
  EXPECT_LT(CompareRows(worse, better, sortmode::kWorstFirst), 0);
  EXPECT_EQ(CompareRows(worse, better, sortmode::kWorstFirst, 1), 0);
}

TEST(CheckColumnsTest, TheFreeWidthIsSharedAndTheNotesStayWide) {
  const ColumnMetrics metrics{6, 600, 16};
  // Requirements: 180, 90 and a header of 200 leave 600 - 16 - 470 - 4 = 110, 36 each.
  const auto requirements = CheckListColumns(SectionId::MinimumRequirementsInfo);
  EXPECT_EQ(CheckColumnWidths(SectionId::MinimumRequirementsInfo, requirements, {70, 40, 200}, metrics),
            (std::vector<int>{216, 126, 236}));
  // File pages: 120, 72, 72 and 120 leave 196, 49 each; the notes get 128 characters.
  const auto files = CheckListColumns(SectionId::DllInfo);
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files[3].title, IDS_COLUMN_NOTES);
  EXPECT_EQ(CheckColumnWidths(SectionId::DllInfo, files, {}, metrics), (std::vector<int>{169, 121, 121, 768}));
  // A list narrower than the columns narrows each: 300 - 16 - 480 - 4 = -200, -66 each.
  const auto servers = CheckListColumns(SectionId::TypeLibraryInfo);
  EXPECT_EQ(CheckColumnWidths(SectionId::TypeLibraryInfo, servers, {}, {6, 300, 16}), (std::vector<int>{174, 54, 768}));
  EXPECT_TRUE(CheckListColumns(SectionId::AppInfo).empty());
}

}  // namespace
}  // namespace cvn
