#include "ui/win32/Win32Surface.h"

#include <commctrl.h>

namespace cvn::win32ui {

Win32Surface::~Win32Surface() {
  for (auto& [wanted, font] : fonts_) ::DeleteObject(font);
}

HWND Win32Surface::Control(int id) const { return id == 0 ? dialog_ : ::GetDlgItem(dialog_, id); }

void Win32Surface::SetText(int id, const std::string& text) {
  ::SetWindowTextA(Control(id), text.c_str());
}

std::string Win32Surface::GetText(int id) const {
  const HWND control = Control(id);
  const int length = ::GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(control, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void Win32Surface::LimitText(int id, size_t characters) {
  ::SendMessageA(Control(id), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

// A control that is about to be disabled or hidden hands the focus on to
// the next control a Tab would reach, so that the keyboard never rests on
// a control the user cannot see or use.
void Win32Surface::PassFocusOn(HWND control) const {
  if (control == nullptr || ::GetFocus() != control) return;
  const HWND top = ::GetAncestor(dialog_, GA_ROOT);
  const HWND next = ::GetNextDlgTabItem(top, control, FALSE);
  if (next != nullptr && next != control) ::SendMessageA(top, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

void Win32Surface::Enable(int id, bool enabled) {
  const HWND control = Control(id);
  if (!enabled) PassFocusOn(control);
  ::EnableWindow(control, enabled ? TRUE : FALSE);
}

void Win32Surface::Show(int id, bool shown) {
  if (id == 0) {
    // The dialog itself hides without moving, sizing, reordering or activating.
    ::SetWindowPos(dialog_, nullptr, 0, 0, 0, 0,
                   (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOMOVE | SWP_NOSIZE |
                       SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const HWND control = Control(id);
  if (!shown) PassFocusOn(control);
  ::ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

void Win32Surface::SetCheck(int id, bool checked) {
  ::SendMessageA(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Surface::GetCheck(int id) const {
  return ::SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HFONT Win32Surface::Font(const FontSpec& wanted) {
  for (const auto& [known, font] : fonts_) {
    if (known == wanted) return font;
  }
  const HDC screen = ::GetDC(nullptr);
  const int pixelsPerInch = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  const HFONT font = ::CreateFontA(
      -::MulDiv(wanted.points, pixelsPerInch, 72), 0, 0, 0, FW_BOLD, wanted.italic ? TRUE : FALSE, FALSE,
      FALSE, ANSI_CHARSET, OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS, PROOF_QUALITY,
      static_cast<BYTE>((wanted.defaultPitch ? DEFAULT_PITCH : VARIABLE_PITCH) | FF_DONTCARE),
      wanted.face.c_str());
  fonts_.emplace_back(wanted, font);
  return font;
}

void Win32Surface::SetFont(int id, const FontSpec& font) {
  ::SendMessageA(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(Font(font)), TRUE);
}

HICON Win32Surface::Icon(int iconId) const {
  switch (iconId) {
    case icon::kSystemInformation: return ::LoadIconA(nullptr, IDI_INFORMATION);
    case icon::kSystemStop: return ::LoadIconA(nullptr, IDI_HAND);
    case icon::kSystemExclamation: return ::LoadIconA(nullptr, IDI_EXCLAMATION);
    default: return ::LoadIconA(instance_, MAKEINTRESOURCEA(static_cast<WORD>(iconId)));
  }
}

void Win32Surface::SetIcon(int id, int iconId) {
  ::SendMessageA(Control(id), STM_SETICON, reinterpret_cast<WPARAM>(Icon(iconId)), 0);
}

void Win32Surface::SetIconHandle(int id, platform::IconHandle icon) {
  ::SendMessageA(Control(id), STM_SETICON, static_cast<WPARAM>(icon), 0);
}

void Win32Surface::SetColumns(int id, const std::vector<ListColumn>& columns) {
  const HWND list = Control(id);
  int index = 0;
  for (const ListColumn& column : columns) {
    LVCOLUMNA entry{};
    entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    entry.pszText = const_cast<char*>(column.title.c_str());
    entry.cx = column.width;
    entry.iSubItem = index;
    ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
    ++index;
  }
}

ListSurface* Win32Surface::Rows(int id) {
  const HWND list = Control(id);
  if (list == nullptr) return nullptr;
  auto& slot = lists_[id];
  if (!slot) slot = std::make_unique<Win32ListView>(list);
  return slot.get();
}

int Win32Surface::ClientWidth(int id) const {
  RECT rect{};
  ::GetClientRect(Control(id), &rect);
  return static_cast<int>(rect.right - rect.left);
}

int Win32Surface::TextWidth(int id, const std::string& text) const {
  return static_cast<int>(
      ::SendMessageA(Control(id), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void Win32Surface::SetSmallImages(int id, const std::vector<int>& iconIds) {
  // The list view owns the image list and destroys it with itself.
  const HIMAGELIST images = ::ImageList_Create(16, 16, ILC_MASK | ILC_COLOR32, 6, 2);
  if (images == nullptr) return;
  for (const int iconId : iconIds) {
    const auto icon = static_cast<HICON>(
        ::LoadImageA(instance_, MAKEINTRESOURCEA(static_cast<WORD>(iconId)), IMAGE_ICON, 16, 16, 0));
    ::ImageList_AddIcon(images, icon);
    if (icon != nullptr) ::DestroyIcon(icon);
  }
  ::SendMessageA(Control(id), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

namespace {

bool IsComboBox(HWND control) {
  char className[16] = {};
  ::GetClassNameA(control, className, static_cast<int>(sizeof className));
  return ::lstrcmpiA(className, "ComboBox") == 0;
}

}  // namespace

void Win32Surface::AddLine(int id, const std::string& line) {
  const HWND control = Control(id);
  ::SendMessageA(control, IsComboBox(control) ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(line.c_str()));
}

void Win32Surface::ClearLines(int id) {
  const HWND control = Control(id);
  ::SendMessageA(control, IsComboBox(control) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
}

void Win32Surface::SelectLine(int id, int line) {
  const HWND control = Control(id);
  ::SendMessageA(control, IsComboBox(control) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

int Win32Surface::SelectedLine(int id) const {
  const HWND control = Control(id);
  return static_cast<int>(::SendMessageA(control, IsComboBox(control) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void Win32Surface::SetHorizontalExtent(int id, int pixels) {
  ::SendMessageA(Control(id), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels), 0);
}

ControlRect Win32Surface::RectOf(int id) const {
  RECT rect{};
  const HWND control = Control(id);
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
  return {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
          static_cast<int>(rect.bottom)};
}

void Win32Surface::Destroy(int id) { ::DestroyWindow(Control(id)); }

void Win32Surface::StartTimer(int milliseconds) {
  ::SetTimer(dialog_, kTimerId, static_cast<UINT>(milliseconds), nullptr);
}

void Win32Surface::Invalidate(const ControlRect& rect) {
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ::InvalidateRect(dialog_, &area, TRUE);
}

void Win32Surface::DrawIcon(int iconId, int left, int top) {
  const HDC dc = paintDc_ ? paintDc_ : ::GetDC(dialog_);
  ::DrawIcon(dc, left, top, Icon(iconId));
  if (!paintDc_) ::ReleaseDC(dialog_, dc);
}

bool ReadScreenFontMetrics(int& avgCharWidth, int& lineHeight) {
  const HDC screen = ::GetDC(nullptr);
  if (screen == nullptr) return false;
  const HGDIOBJ old = ::SelectObject(screen, ::GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics{};
  const bool read = ::GetTextMetricsA(screen, &metrics) != 0;
  ::SelectObject(screen, old);
  ::ReleaseDC(nullptr, screen);
  if (!read) return false;
  avgCharWidth = static_cast<int>(metrics.tmAveCharWidth);
  lineHeight = static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading);
  return true;
}

}  // namespace cvn::win32ui
