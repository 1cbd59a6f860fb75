// A list view held in memory, for host runs and for tests that look at the
// rows a page or a check produced.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "util/ListSurface.h"

namespace cvn {

class MemoryList : public ListSurface {
 public:
  struct Row {
    std::vector<std::string> columns;  // column 0 is the row's own text
    int image = 0;
    uint32_t state = 0;
    std::unique_ptr<RowData> data;
  };

  int ItemCount() const override;
  int InsertItem(int index, const std::string& text, int image,
                 std::unique_ptr<RowData> data) override;
  bool SetItemText(int index, int column, const std::string& text) override;
  std::string GetItemText(int index, int column, size_t bufferSize) const override;
  uint32_t GetItemState(int index, uint32_t mask) const override;
  bool SetItemState(int index, uint32_t state, uint32_t mask) override;
  RowData* GetItemData(int index) const override;
  bool SetItemData(int index, std::unique_ptr<RowData> data) override;
  void DeleteAllItems() override;
  void SortItems(const RowCompare& compare) override;

  // The whole row, for tests; null when it does not exist.
  const Row* RowAt(int index) const;

 private:
  Row* MutableRowAt(int index);

  std::vector<Row> rows_;
};

}  // namespace cvn
