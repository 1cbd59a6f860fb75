#include "ui/win32/Win32ListView.h"

#include <commctrl.h>

#include <vector>

namespace cvn::win32ui {

Win32ListView::~Win32ListView() {
  for (RowData* data : owned_) delete data;
}

LPARAM Win32ListView::Own(std::unique_ptr<RowData> data) {
  if (!data) return 0;
  RowData* raw = data.release();
  owned_.insert(raw);
  return reinterpret_cast<LPARAM>(raw);
}

void Win32ListView::Free(RowData* data) {
  if (owned_.erase(data) > 0) delete data;
}

int Win32ListView::ItemCount() const {
  return static_cast<int>(::SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
}

int Win32ListView::InsertItem(int index, const std::string& text, int image,
                              std::unique_ptr<RowData> data) {
  if (index < 0) return -1;
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = image;
  item.lParam = Own(std::move(data));
  const int row = static_cast<int>(::SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) Free(reinterpret_cast<RowData*>(item.lParam));
  return row;
}

bool Win32ListView::SetItemText(int index, int column, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  return ::SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string Win32ListView::GetItemText(int index, int column, size_t bufferSize) const {
  if (bufferSize == 0) return {};
  std::vector<char> buffer(bufferSize, '\0');
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(bufferSize);
  ::SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return std::string(buffer.data());
}

uint32_t Win32ListView::GetItemState(int index, uint32_t mask) const {
  return static_cast<uint32_t>(::SendMessageA(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(index), mask));
}

bool Win32ListView::SetItemState(int index, uint32_t state, uint32_t mask) {
  LVITEMA item{};
  item.state = state;
  item.stateMask = mask;
  return ::SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
}

RowData* Win32ListView::GetItemData(int index) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!::SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<RowData*>(item.lParam);
}

bool Win32ListView::SetItemData(int index, std::unique_ptr<RowData> data) {
  RowData* old = GetItemData(index);
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  item.lParam = Own(std::move(data));
  if (!::SendMessageA(list_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
    Free(reinterpret_cast<RowData*>(item.lParam));
    return false;
  }
  Free(old);
  return true;
}

void Win32ListView::DeleteAllItems() {
  ::SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  for (RowData* data : owned_) delete data;
  owned_.clear();
}

}  // namespace cvn::win32ui
