// A report-style list view as the core sees it, shaped like the list-view
// messages (LVM_INSERTITEM, LVM_SETITEMTEXT, LVM_GETITEMSTATE, ...). The
// wizard binds it to the real control; tests and host runs use MemoryList.
//
// The list owns the RowData of each row: replacing a row's data frees the
// old record, and deleting the rows frees theirs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "util/RowData.h"

namespace cvn {

// Row state bits (LVIS_*).
namespace rowstate {
inline constexpr uint32_t kFocused = 0x0001;
inline constexpr uint32_t kSelected = 0x0002;
}  // namespace rowstate

class ListSurface {
 public:
  virtual ~ListSurface() = default;

  virtual int ItemCount() const = 0;
  // Inserts a row before `index` (at the end when `index` is past it) with
  // its first-column text, image index and data. Returns the row's index,
  // or -1 when `index` is negative.
  virtual int InsertItem(int index, const std::string& text, int image,
                         std::unique_ptr<RowData> data) = 0;
  // Sets the text of one column of a row; false when the row does not exist.
  virtual bool SetItemText(int index, int column, const std::string& text) = 0;
  // The text of one column, cut to bufferSize - 1 characters as the message
  // does; empty for a row or column that does not exist.
  virtual std::string GetItemText(int index, int column, size_t bufferSize) const = 0;
  // The row's state bits within `mask`; 0 for a row that does not exist.
  virtual uint32_t GetItemState(int index, uint32_t mask) const = 0;
  // Sets the bits of `mask` to those of `state`. Only one row has the focus:
  // focusing a row takes it from the row that had it.
  virtual bool SetItemState(int index, uint32_t state, uint32_t mask) = 0;
  // The row's data, or null when the row has none or does not exist.
  virtual RowData* GetItemData(int index) const = 0;
  // Replaces the row's data, freeing the old record.
  virtual bool SetItemData(int index, std::unique_ptr<RowData> data) = 0;
  // Removes every row with its data.
  virtual void DeleteAllItems() = 0;
  // Orders the rows by their data as LVM_SORTITEMS does: `compare` returns
  // below 0 when the first row goes before the second. Rows that compare
  // equal keep their order.
  using RowCompare = std::function<int(const RowData*, const RowData*)>;
  virtual void SortItems(const RowCompare& compare) = 0;
};

}  // namespace cvn
