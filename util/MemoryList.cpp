#include "util/MemoryList.h"

#include <algorithm>
#include <utility>

namespace cvn {

int MemoryList::ItemCount() const { return static_cast<int>(rows_.size()); }

int MemoryList::InsertItem(int index, const std::string& text, int image,
                           std::unique_ptr<RowData> data) {
  if (index < 0) return -1;
  const size_t at = std::min(static_cast<size_t>(index), rows_.size());
  Row row;
  row.columns.push_back(text);
  row.image = image;
  row.data = std::move(data);
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
  return static_cast<int>(at);
}

bool MemoryList::SetItemText(int index, int column, const std::string& text) {
  Row* row = MutableRowAt(index);
  if (row == nullptr || column < 0) return false;
  if (static_cast<size_t>(column) >= row->columns.size()) row->columns.resize(column + 1);
  row->columns[column] = text;
  return true;
}

std::string MemoryList::GetItemText(int index, int column, size_t bufferSize) const {
  const Row* row = RowAt(index);
  if (row == nullptr || column < 0 || static_cast<size_t>(column) >= row->columns.size() ||
      bufferSize == 0) {
    return {};
  }
  return row->columns[column].substr(0, bufferSize - 1);
}

uint32_t MemoryList::GetItemState(int index, uint32_t mask) const {
  const Row* row = RowAt(index);
  return row == nullptr ? 0 : row->state & mask;
}

bool MemoryList::SetItemState(int index, uint32_t state, uint32_t mask) {
  Row* row = MutableRowAt(index);
  if (row == nullptr) return false;
  if ((mask & state & rowstate::kFocused) != 0) {
    for (Row& other : rows_) other.state &= ~rowstate::kFocused;
  }
  row->state = (row->state & ~mask) | (state & mask);
  return true;
}

RowData* MemoryList::GetItemData(int index) const {
  const Row* row = RowAt(index);
  return row == nullptr ? nullptr : row->data.get();
}

bool MemoryList::SetItemData(int index, std::unique_ptr<RowData> data) {
  Row* row = MutableRowAt(index);
  if (row == nullptr) return false;
  row->data = std::move(data);
  return true;
}

void MemoryList::DeleteAllItems() { rows_.clear(); }

void MemoryList::SortItems(const RowCompare& compare) {
  std::stable_sort(rows_.begin(), rows_.end(), [&compare](const Row& a, const Row& b) {
    return compare(a.data.get(), b.data.get()) < 0;
  });
}

const MemoryList::Row* MemoryList::RowAt(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= rows_.size()) return nullptr;
  return &rows_[static_cast<size_t>(index)];
}

MemoryList::Row* MemoryList::MutableRowAt(int index) {
  return const_cast<Row*>(std::as_const(*this).RowAt(index));
}

}  // namespace cvn
