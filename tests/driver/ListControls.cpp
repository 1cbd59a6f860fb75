#include "tests/driver/ListControls.h"

#include <commctrl.h>

#include <cstddef>

#include "tests/driver/DialogReader.h"
#include "tests/driver/RemoteMemory.h"

namespace cvn::uidriver {
namespace {

constexpr int kTextMax = 1024;

// An item and the buffer its text is copied into, side by side in the
// list view's process.
struct RemoteItem {
  LVITEMA item;
  char text[kTextMax];
};

bool IsListView(HWND window) { return HasClass(window, WC_LISTVIEWA); }

// A count the control answers, or -1.
int CountOf(HWND control, UINT message) {
  DWORD_PTR count = 0;
  if (!SendWaiting(control, message, 0, 0, &count)) return -1;
  return static_cast<int>(static_cast<LRESULT>(count));
}

// At least one: a list view without a header still shows its items.
int ColumnCount(HWND list) {
  DWORD_PTR header = 0;
  if (!SendWaiting(list, LVM_GETHEADER, 0, 0, &header) || header == 0) return 1;
  const int columns = CountOf(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT);
  return columns > 0 ? columns : 1;
}

// Sends a message whose lParam is the remote item; the item as the list
// view left it comes back, with the message's result.
bool SendItem(HWND list, RemoteMemory& memory, UINT message, int row, LVITEMA& item,
              DWORD_PTR* result) {
  if (!memory.Write(0, &item, sizeof item)) return false;
  if (!SendWaiting(list, message, static_cast<WPARAM>(row), memory.At(0), result)) {
    memory.Abandon();
    return false;
  }
  return memory.Read(0, &item, sizeof item);
}

std::optional<std::string> CellText(HWND list, RemoteMemory& memory, int row, int column) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<char*>(memory.At(offsetof(RemoteItem, text)));
  item.cchTextMax = kTextMax;
  char text[kTextMax] = {};
  DWORD_PTR length = 0;
  if (!SendItem(list, memory, LVM_GETITEMTEXTA, row, item, &length) ||
      !memory.Read(offsetof(RemoteItem, text), text, sizeof text)) {
    return std::nullopt;
  }
  text[kTextMax - 1] = '\0';
  return std::string(text);
}

std::optional<ListRow> RowAt(HWND list, RemoteMemory& memory, int row, int columns) {
  ListRow read;
  for (int column = 0; column < columns; ++column) {
    auto text = CellText(list, memory, row, column);
    if (!text) return std::nullopt;
    read.texts.push_back(std::move(*text));
  }
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  DWORD_PTR found = 0;
  if (!SendItem(list, memory, LVM_GETITEMA, row, item, &found) || found == 0) return std::nullopt;
  read.image = item.iImage;
  return read;
}

}  // namespace

bool SelectRow(HWND list, int row) {
  if (!IsListView(list) || row < 0 || row >= CountOf(list, LVM_GETITEMCOUNT)) return false;
  RemoteMemory memory(list, sizeof(LVITEMA));
  LVITEMA item{};
  item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  DWORD_PTR done = 0;
  return memory.Valid() && SendItem(list, memory, LVM_SETITEMSTATE, row, item, &done) && done != 0;
}

bool PickEntry(HWND combo, int entry) {
  if (!HasClass(combo, WC_COMBOBOXA) || entry < 0 || entry >= CountOf(combo, CB_GETCOUNT)) {
    return false;
  }
  DWORD_PTR chosen = 0;
  if (!SendWaiting(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0, &chosen) ||
      chosen != static_cast<DWORD_PTR>(entry)) {
    return false;
  }
  // Posted, as a click is: the page may open a dialog on the choice.
  const WPARAM command = MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(combo)), CBN_SELCHANGE);
  const LPARAM from = reinterpret_cast<LPARAM>(combo);
  return ::PostMessageA(::GetParent(combo), WM_COMMAND, command, from) != 0;
}

std::optional<std::vector<ListRow>> RowsOf(HWND list) {
  const int count = IsListView(list) ? CountOf(list, LVM_GETITEMCOUNT) : -1;
  if (count < 0) return std::nullopt;
  std::vector<ListRow> rows;
  if (count == 0) return rows;
  RemoteMemory memory(list, sizeof(RemoteItem));
  if (!memory.Valid()) return std::nullopt;
  const int columns = ColumnCount(list);
  for (int row = 0; row < count; ++row) {
    auto read = RowAt(list, memory, row, columns);
    if (!read) return std::nullopt;
    rows.push_back(std::move(*read));
  }
  return rows;
}

}  // namespace cvn::uidriver
