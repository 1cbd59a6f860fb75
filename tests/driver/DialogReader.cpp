#include "tests/driver/DialogReader.h"

#include <prsht.h>

#include <cstring>

namespace cvn::uidriver {
namespace {

// Control ids of the common dialogs (dlgs.h) and of the message box text.
constexpr int kFileTypeCombo = 0x470;  // cmb1
constexpr int kFileNameCombo = 0x47C;  // cmb13, an edit inside
constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kMessageText = 0xFFFF;
constexpr int kPageHeading = 1003;

constexpr LONG kButtonTypeMask = 0x0F;

bool HasStyle(HWND window, LONG style) {
  return (::GetWindowLongA(window, GWL_STYLE) & style) == style;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

bool IsPushButton(HWND window) {
  if (!HasClass(window, "Button")) return false;
  const LONG type = ::GetWindowLongA(window, GWL_STYLE) & kButtonTypeMask;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

std::vector<Button> VisibleButtons(HWND dialog) {
  std::vector<Button> buttons;
  for (HWND child : Children(dialog)) {
    if (IsPushButton(child) && HasStyle(child, WS_VISIBLE)) {
      buttons.push_back({static_cast<WORD>(::GetDlgCtrlID(child)), WindowText(child)});
    }
  }
  return buttons;
}

// The wizard's buttons a user can press: visible and enabled.
std::vector<Button> EnabledButtons(HWND dialog) {
  std::vector<Button> buttons;
  for (const Button& button : VisibleButtons(dialog)) {
    if (::IsWindowEnabled(ChildWithId(dialog, button.id))) buttons.push_back(button);
  }
  return buttons;
}

// A message box has one static text numbered 0xFFFF and only buttons with
// the standard command numbers; a program's own dialog may number all its
// labels 0xFFFF, or have buttons of its own.
bool IsMessageBox(HWND dialog) {
  constexpr int kLastStandardCommand = 11;  // IDCONTINUE
  int texts = 0;
  for (HWND child : Children(dialog)) {
    const int id = static_cast<WORD>(::GetDlgCtrlID(child));
    if (id == kMessageText && HasClass(child, "Static")) ++texts;
    if (HasClass(child, "Button") && id > kLastStandardCommand) return false;
  }
  return texts == 1;
}

DialogKind KindOf(HWND dialog) {
  if (ChildWithId(dialog, kIdNext) != nullptr) return DialogKind::Wizard;
  if (ChildWithId(dialog, kFileTypeCombo) != nullptr && FileNameBox(dialog) != nullptr) {
    return DialogKind::OpenFile;
  }
  if (IsMessageBox(dialog)) return DialogKind::Message;
  return DialogKind::Other;
}

BOOL CALLBACK StopAtEdit(HWND window, LPARAM context) {
  if (!HasClass(window, "Edit")) return TRUE;
  *reinterpret_cast<HWND*>(context) = window;
  return FALSE;
}

BOOL CALLBACK StopAtProgressBar(HWND window, LPARAM context) {
  if (!HasClass(window, "msctls_progress32")) return TRUE;
  *reinterpret_cast<bool*>(context) = true;
  return FALSE;
}

// The edit of a combo box, which may sit in a ComboBoxEx32 (Wine puts
// cmb13's combo box in one).
HWND EditWithin(HWND combo) {
  HWND edit = nullptr;
  ::EnumChildWindows(combo, StopAtEdit, reinterpret_cast<LPARAM>(&edit));
  return edit;
}

struct DialogSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<DialogSearch*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && ::IsWindowVisible(window) && HasClass(window, "#32770")) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

bool SendWaiting(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
  return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageWaitMs,
                               result) != 0;
}

bool HasClass(HWND window, const char* name) {
  char buffer[64] = {};
  if (window == nullptr || ::GetClassNameA(window, buffer, sizeof buffer) == 0) return false;
  return ::lstrcmpiA(buffer, name) == 0;
}

std::vector<HWND> VisibleDialogsOf(DWORD processId) {
  DialogSearch search{processId, {}};
  ::EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildWithId(HWND parent, int id) {
  for (HWND child : Children(parent)) {
    if (static_cast<WORD>(::GetDlgCtrlID(child)) == id) return child;
  }
  return nullptr;
}

HWND CurrentPage(HWND sheet) {
  DWORD_PTR page = 0;
  if (!SendWaiting(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, &page)) return nullptr;
  return reinterpret_cast<HWND>(page);
}

HWND ControlHolder(HWND dialog) {
  HWND page = CurrentPage(dialog);
  return page != nullptr ? page : dialog;
}

HWND AnswerTarget(HWND dialog) {
  if (KindOf(dialog) != DialogKind::Wizard) return dialog;
  HWND page = CurrentPage(dialog);
  return page != nullptr ? page : dialog;
}

HWND FileNameBox(HWND dialog) {
  if (HWND combo = ChildWithId(dialog, kFileNameCombo)) return EditWithin(combo);
  HWND edit = ChildWithId(dialog, kFileNameEdit);
  return HasClass(edit, "Edit") ? edit : nullptr;
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendWaiting(window, WM_GETTEXTLENGTH, 0, 0, &length)) return {};
  // The length may be an upper bound (ANSI from Unicode), so the text ends
  // at the first zero.
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  const LPARAM buffer = reinterpret_cast<LPARAM>(text.data());
  if (!SendWaiting(window, WM_GETTEXT, text.size(), buffer, &copied)) return {};
  text.resize(std::strlen(text.c_str()));
  return text;
}

std::string DescribeFocus(HWND control) {
  if (control == nullptr) return "focus: none";
  char className[64] = {};
  ::GetClassNameA(control, className, sizeof className);
  std::string line = std::string("focus: ") + className + " " +
                     std::to_string(static_cast<WORD>(::GetDlgCtrlID(control)));
  // An edit's text is what the user typed; the label of anything else.
  if (!HasClass(control, "Edit")) line += " '" + OnOneLine(WithoutMnemonics(WindowText(control))) + "'";
  if (!::IsWindowVisible(control)) line += " [hidden]";
  if (!::IsWindowEnabled(control)) line += " [disabled]";
  return line;
}

DialogView ReadDialog(HWND dialog) {
  DialogView view;
  view.kind = KindOf(dialog);
  view.title = WindowText(dialog);
  view.buttons = VisibleButtons(dialog);
  if (view.kind == DialogKind::Wizard) {
    view.buttons = EnabledButtons(dialog);
    view.heading = WindowText(ChildWithId(CurrentPage(dialog), kPageHeading));
  }
  if (view.kind == DialogKind::Message) view.message = WindowText(ChildWithId(dialog, kMessageText));
  if (view.kind == DialogKind::OpenFile) view.filter = WindowText(ChildWithId(dialog, kFileTypeCombo));
  return view;
}

bool ShowsProgress(HWND dialog) {
  bool found = false;
  ::EnumChildWindows(dialog, StopAtProgressBar, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace cvn::uidriver
