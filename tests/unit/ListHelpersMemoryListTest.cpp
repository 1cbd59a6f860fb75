// The in-memory list view behaves as the list-view messages do, so that
// page tests over it mean the same as runs over the real control.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "util/MemoryList.h"

namespace cvn {
namespace {

std::unique_ptr<RowData> Data(int rowNumber) {
  auto data = std::make_unique<RowData>();
  data->rowNumber = rowNumber;
  return data;
}

TEST(MemoryListTest, InsertPlacesRowsAndClampsPastTheEnd) {
  MemoryList list;
  EXPECT_EQ(list.InsertItem(0, "b", 0, nullptr), 0);
  EXPECT_EQ(list.InsertItem(0, "a", 0, nullptr), 0);
  EXPECT_EQ(list.InsertItem(99, "c", 0, nullptr), 2);
  EXPECT_EQ(list.InsertItem(-1, "never", 0, nullptr), -1);

  ASSERT_EQ(list.ItemCount(), 3);
  EXPECT_EQ(list.GetItemText(0, 0, 260), "a");
  EXPECT_EQ(list.GetItemText(1, 0, 260), "b");
  EXPECT_EQ(list.GetItemText(2, 0, 260), "c");
}

TEST(MemoryListTest, InsertKeepsImageAndData) {
  MemoryList list;
  list.InsertItem(0, "row", 5, Data(7));
  ASSERT_NE(list.RowAt(0), nullptr);
  EXPECT_EQ(list.RowAt(0)->image, 5);
  ASSERT_NE(list.GetItemData(0), nullptr);
  EXPECT_EQ(list.GetItemData(0)->rowNumber, 7);
}

TEST(MemoryListTest, ColumnTextsAndBufferCuts) {
  MemoryList list;
  list.InsertItem(0, "name", 0, nullptr);
  EXPECT_TRUE(list.SetItemText(0, 3, "notes"));
  EXPECT_FALSE(list.SetItemText(1, 0, "no such row"));
  EXPECT_FALSE(list.SetItemText(0, -1, "no such column"));

  struct Case {
    int row;
    int column;
    size_t buffer;
    const char* expected;
  };
  const Case cases[] = {
      {0, 0, 260, "name"}, {0, 3, 6, "notes"},  // exact fit: five characters and the end
      {0, 3, 5, "note"},                         // one short
      {0, 3, 1, ""},       {0, 3, 0, ""},
      {0, 2, 260, ""},                           // a column between set ones is empty
      {0, 4, 260, ""},     {1, 0, 260, ""},      // past the columns, past the rows
  };
  for (const Case& c : cases) {
    EXPECT_EQ(list.GetItemText(c.row, c.column, c.buffer), c.expected)
        << "row " << c.row << " column " << c.column << " buffer " << c.buffer;
  }
}

TEST(MemoryListTest, StateChangesOnlyTheMaskedBits) {
  MemoryList list;
  list.InsertItem(0, "row", 0, nullptr);
  list.SetItemState(0, rowstate::kSelected | rowstate::kFocused, rowstate::kSelected);
  EXPECT_EQ(list.GetItemState(0, rowstate::kSelected | rowstate::kFocused), rowstate::kSelected);

  list.SetItemState(0, rowstate::kFocused, rowstate::kFocused);
  EXPECT_EQ(list.GetItemState(0, rowstate::kSelected | rowstate::kFocused),
            rowstate::kSelected | rowstate::kFocused);
  EXPECT_EQ(list.GetItemState(0, rowstate::kFocused), rowstate::kFocused);

  EXPECT_FALSE(list.SetItemState(1, rowstate::kSelected, rowstate::kSelected));
  EXPECT_EQ(list.GetItemState(1, rowstate::kSelected), 0u);
}

TEST(MemoryListTest, FocusMovesFromRowToRow) {
  MemoryList list;
  for (int i = 0; i < 3; ++i) list.InsertItem(i, "row", 0, nullptr);
  list.SetItemState(0, rowstate::kFocused | rowstate::kSelected,
                    rowstate::kFocused | rowstate::kSelected);
  list.SetItemState(2, rowstate::kFocused, rowstate::kFocused);

  EXPECT_EQ(list.GetItemState(0, rowstate::kFocused), 0u);
  EXPECT_EQ(list.GetItemState(0, rowstate::kSelected), rowstate::kSelected);
  EXPECT_EQ(list.GetItemState(2, rowstate::kFocused), rowstate::kFocused);
}

TEST(MemoryListTest, DataIsReplacedAndRemovedWithTheRows) {
  MemoryList list;
  list.InsertItem(0, "row", 0, Data(1));
  EXPECT_TRUE(list.SetItemData(0, Data(2)));
  EXPECT_EQ(list.GetItemData(0)->rowNumber, 2);
  EXPECT_FALSE(list.SetItemData(1, Data(3)));
  EXPECT_EQ(list.GetItemData(1), nullptr);

  list.DeleteAllItems();
  EXPECT_EQ(list.ItemCount(), 0);
  EXPECT_EQ(list.GetItemData(0), nullptr);
  EXPECT_EQ(list.RowAt(0), nullptr);
}

}  // namespace
}  // namespace cvn
