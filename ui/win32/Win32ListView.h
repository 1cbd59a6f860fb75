// A report-style list view as a ListSurface. The rows' RowData records are
// owned here and freed with their rows.
#pragma once

#include "platform/win32/Win32Api.h"

#include <memory>
#include <set>
#include <string>

#include "util/ListSurface.h"

namespace cvn::win32ui {

class Win32ListView final : public ListSurface {
 public:
  explicit Win32ListView(HWND list) : list_(list) {}
  ~Win32ListView() override;
  Win32ListView(const Win32ListView&) = delete;
  Win32ListView& operator=(const Win32ListView&) = delete;

  int ItemCount() const override;
  int InsertItem(int index, const std::string& text, int image, std::unique_ptr<RowData> data) override;
  bool SetItemText(int index, int column, const std::string& text) override;
  std::string GetItemText(int index, int column, size_t bufferSize) const override;
  uint32_t GetItemState(int index, uint32_t mask) const override;
  bool SetItemState(int index, uint32_t state, uint32_t mask) override;
  RowData* GetItemData(int index) const override;
  bool SetItemData(int index, std::unique_ptr<RowData> data) override;
  void DeleteAllItems() override;

 private:
  // Keeps a record alive until its row goes; returns its address for LPARAM.
  LPARAM Own(std::unique_ptr<RowData> data);
  void Free(RowData* data);

  HWND list_;
  std::set<RowData*> owned_;
};

}  // namespace cvn::win32ui
