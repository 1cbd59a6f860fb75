#include "tests/gallery/LayoutCheck.h"

#include "resources/resource.h"

namespace cvn::gallery {
namespace {

struct Control {
  HWND window;
  int id;
  RECT rect;  // in the dialog's client coordinates
  std::string text;
  LONG_PTR style;
  std::string kind;  // window class name
};

std::string TextOf(HWND window) {
  char text[1024] = "";
  ::GetWindowTextA(window, text, static_cast<int>(sizeof text));
  return text;
}

std::vector<Control> ControlsOf(HWND dialog) {
  std::vector<Control> controls;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(child)) continue;
    Control c{child, ::GetDlgCtrlID(child), {}, TextOf(child), ::GetWindowLongPtrA(child, GWL_STYLE), ""};
    ::GetWindowRect(child, &c.rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&c.rect), 2);
    char kind[64] = "";
    ::GetClassNameA(child, kind, static_cast<int>(sizeof kind));
    c.kind = kind;
    controls.push_back(c);
  }
  return controls;
}

bool IsGroupBox(const Control& c) {
  return lstrcmpiA(c.kind.c_str(), "Button") == 0 && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// The two value controls of the setting fix share one place on purpose:
// the program shows one of them.
bool SharePlaceOnPurpose(const Control& a, const Control& b) {
  return (a.id == IDC_NEW_VALUE_LIST && b.id == IDC_NEW_VALUE_EDIT) ||
         (a.id == IDC_NEW_VALUE_EDIT && b.id == IDC_NEW_VALUE_LIST);
}

// A control's number, or the start of its text when it has none.
std::string Name(const Control& c) {
  if (c.id != -1 && c.id != 0xFFFF) return std::to_string(c.id);
  std::string name(1, '"');
  name.append(c.text, 0, 30);
  name += '"';
  return name;
}

void FindOverlaps(const std::vector<Control>& controls, std::vector<std::string>& faults) {
  for (size_t i = 0; i < controls.size(); ++i) {
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const Control& a = controls[i];
      const Control& b = controls[j];
      RECT common;
      if (IsGroupBox(a) || IsGroupBox(b) || SharePlaceOnPurpose(a, b)) continue;
      if (::IntersectRect(&common, &a.rect, &b.rect)) {
        faults.push_back("controls " + Name(a) + " and " + Name(b) + " overlap");
      }
    }
  }
}

// The size the control's text needs in its font, wrapped to `width` when
// the text may wrap.
SIZE TextExtent(const Control& c, LONG width, UINT format) {
  HDC dc = ::GetDC(c.window);
  const auto font = reinterpret_cast<HFONT>(::SendMessageA(c.window, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = ::SelectObject(dc, font);
  RECT needed{0, 0, width, 0};
  ::DrawTextA(dc, c.text.c_str(), -1, &needed, format | DT_CALCRECT | DT_EXPANDTABS);
  ::SelectObject(dc, previous);
  ::ReleaseDC(c.window, dc);
  return {needed.right, needed.bottom};
}

// Room a check box or radio button takes before its caption.
LONG BoxRoom() { return ::GetSystemMetrics(SM_CXMENUCHECK) + ::GetSystemMetrics(SM_CXEDGE) * 2; }

bool IsCutOff(const Control& c) {
  const LONG width = c.rect.right - c.rect.left;
  const LONG height = c.rect.bottom - c.rect.top;
  if (lstrcmpiA(c.kind.c_str(), "Static") == 0) {
    if ((c.style & SS_TYPEMASK) != SS_LEFT || (c.style & SS_PATHELLIPSIS) != 0) return false;
    const UINT prefix = (c.style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0u;
    const SIZE needed = TextExtent(c, width, DT_WORDBREAK | prefix);
    return needed.cy > height || needed.cx > width;
  }
  if (lstrcmpiA(c.kind.c_str(), "Button") == 0 && !IsGroupBox(c)) {
    const LONG type = c.style & BS_TYPEMASK;
    const bool box = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON ||
                     type == BS_RADIOBUTTON;
    const SIZE needed = TextExtent(c, width, DT_SINGLELINE);
    return needed.cx + (box ? BoxRoom() : 2 * ::GetSystemMetrics(SM_CXEDGE)) > width || needed.cy > height;
  }
  return false;
}

}  // namespace

std::vector<std::string> CheckLayout(HWND dialog) {
  const std::vector<Control> controls = ControlsOf(dialog);
  std::vector<std::string> faults;
  FindOverlaps(controls, faults);
  for (const Control& c : controls) {
    if (!c.text.empty() && IsCutOff(c)) faults.push_back("the text of " + Name(c) + " is cut off");
  }
  return faults;
}

}  // namespace cvn::gallery
