#include "util/ListHelpers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "util/MemoryList.h"

namespace cvn {
namespace {

constexpr uint32_t kFocusAndSelection = rowstate::kFocused | rowstate::kSelected;

void AddRows(MemoryList& list, int count) {
  for (int i = 0; i < count; ++i) {
    auto data = std::make_unique<RowData>();
    data->rowNumber = i;
    list.InsertItem(i, "row " + std::to_string(i), 0, std::move(data));
  }
}

TEST(ListHelpersTest, ClearListRemovesRowsAndTheirData) {
  MemoryList list;
  AddRows(list, 3);
  ClearList(list);
  EXPECT_EQ(list.ItemCount(), 0);
  EXPECT_EQ(list.GetItemData(0), nullptr);
}

TEST(ListHelpersTest, FocusedRowGivesIndexTextAndData) {
  MemoryList list;
  AddRows(list, 4);
  list.SetItemState(1, rowstate::kSelected, rowstate::kSelected);  // selected, not focused
  list.SetItemState(2, rowstate::kFocused, rowstate::kFocused);

  const std::optional<FocusedItem> focused = FocusedRow(list);
  ASSERT_TRUE(focused.has_value());
  EXPECT_EQ(focused->index, 2);
  EXPECT_EQ(focused->text, "row 2");
  ASSERT_NE(focused->data, nullptr);
  EXPECT_EQ(focused->data, list.GetItemData(2));
}

TEST(ListHelpersTest, FocusedRowWithoutFocus) {
  MemoryList empty;
  EXPECT_FALSE(FocusedRow(empty).has_value());

  MemoryList list;
  AddRows(list, 2);
  list.SetItemState(0, rowstate::kSelected, rowstate::kSelected);
  EXPECT_FALSE(FocusedRow(list).has_value());
}

TEST(ListHelpersTest, FocusedRowTextIsCutToItsBuffer) {
  MemoryList list;
  const std::string longName(kRowTextBuffer + 40, 'x');
  list.InsertItem(0, longName, 0, nullptr);
  list.SetItemState(0, rowstate::kFocused, rowstate::kFocused);

  const std::optional<FocusedItem> focused = FocusedRow(list);
  ASSERT_TRUE(focused.has_value());
  EXPECT_EQ(focused->text, longName.substr(0, kRowTextBuffer - 1));
  EXPECT_EQ(focused->data, nullptr);
}

TEST(ListHelpersTest, ClearSelectionTakesFocusAndSelectionFromEveryRow) {
  MemoryList list;
  AddRows(list, 3);
  list.SetItemState(0, rowstate::kSelected, rowstate::kSelected);
  list.SetItemState(2, kFocusAndSelection, kFocusAndSelection);

  ClearSelection(list);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.GetItemState(i, kFocusAndSelection), 0u) << i;
  EXPECT_FALSE(FocusedRow(list).has_value());
}

// Rows past the first kMaxListRows are out of the helpers' reach.
TEST(ListHelpersTest, HelpersStopAtTheRowLimit) {
  MemoryList list;
  AddRows(list, kMaxListRows + 1);
  list.SetItemState(kMaxListRows - 1, rowstate::kSelected, rowstate::kSelected);
  list.SetItemState(kMaxListRows, kFocusAndSelection, kFocusAndSelection);

  EXPECT_FALSE(FocusedRow(list).has_value());
  ClearSelection(list);
  EXPECT_EQ(list.GetItemState(kMaxListRows - 1, kFocusAndSelection), 0u);
  EXPECT_EQ(list.GetItemState(kMaxListRows, kFocusAndSelection), kFocusAndSelection);

  list.SetItemState(kMaxListRows - 1, rowstate::kFocused, rowstate::kFocused);
  const std::optional<FocusedItem> focused = FocusedRow(list);
  ASSERT_TRUE(focused.has_value());
  EXPECT_EQ(focused->index, kMaxListRows - 1);
}

}  // namespace
}  // namespace cvn
