#include "ui/win32/Win32Wizard.h"

#include <commctrl.h>

#include "resources/StringIds.h"
#include "resources/resource.h"
#include "ui/Help.h"

namespace cvn::win32ui {
namespace {

constexpr WPARAM kSystemCommandMask = 0xFFF0;
constexpr DWORD kKeyboardSettleMs = 250;
// Posted after the wizard buttons change, so that it comes once the sheet
// has shown its page and its buttons.
constexpr UINT kSettleFocus = WM_APP + 1;

bool Usable(HWND control) {
  return control != nullptr && ::IsWindowVisible(control) && ::IsWindowEnabled(control);
}

// The wizard that the sheet callback and the subclassed sheet belong to;
// there is one user-interface thread and one wizard at a time.
Win32Wizard* runningWizard = nullptr;

// The sheet is made from a template the callback may change before the
// window exists: a DLGTEMPLATEEX starts with version 1 and 0xFFFF.
void AddMinimiseBox(LPARAM dialogTemplate) {
  auto* words = reinterpret_cast<WORD*>(dialogTemplate);
  DWORD* style = words[1] == 0xFFFF ? reinterpret_cast<DWORD*>(words + 6)
                                    : reinterpret_cast<DWORD*>(dialogTemplate);
  *style |= WS_MINIMIZEBOX | WS_SYSMENU | WS_CAPTION | WS_VISIBLE;
}

}  // namespace

Win32Wizard::Win32Wizard(RunContext& context, HINSTANCE instance)
    : context_(context), instance_(instance), help_([&context](int topic) { OpenHelp(context, topic); }) {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  // An empty CD-ROM or floppy drive is asked for its label and free space;
  // the failed call is the answer, and the user sees the wizard's own
  // prompt for the CD instead of the system's "drive not ready" box.
  ::SetErrorMode(::SetErrorMode(0) | SEM_FAILCRITICALERRORS);
}

HWND Win32Wizard::Owner() const { return sheet_ != nullptr ? sheet_ : ::GetActiveWindow(); }

DialogEnd Win32Wizard::RunModal(DialogLogic& dialog) {
  return RunModalDialog(instance_, Owner(), dialog, help_);
}

void Win32Wizard::RunPropertySheet(const std::string& caption, const std::vector<PageLogic*>& pages) {
  RunModalSheet(instance_, Owner(), caption, pages, help_);
}

ProgressDialogs& Win32Wizard::Progress() {
  // Made on first use, when the sheet exists to own the dialogs.
  if (!progress_) progress_ = std::make_unique<Win32ProgressDialogs>(instance_, Owner());
  return *progress_;
}

std::optional<FontMetrics> Win32Wizard::ScreenFontMetrics() {
  FontMetrics metrics;
  if (!ReadScreenFontMetrics(metrics.avgCharWidth, metrics.lineHeight)) return std::nullopt;
  return metrics;
}

void Win32Wizard::SetWizardButtons(unsigned buttons) {
  if (sheet_ == nullptr) return;
  ::PostMessageA(sheet_, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
  ::PostMessageA(sheet_, kSettleFocus, 0, 0);
}

// The keyboard focus never rests on a control the user cannot see or use:
// on the last page Finish takes the place of Next, which may have had the
// focus, and a page left behind hides its controls. The focus then goes to
// the default button, which Return presses, or else to the first control a
// Tab reaches. Only while the sheet is active: a dialog above keeps its own.
void Win32Wizard::SettleFocus() {
  if (::GetActiveWindow() != sheet_) return;
  const HWND focus = ::GetFocus();
  if (Usable(focus) && ::IsChild(sheet_, focus)) return;
  const LRESULT defaultId = ::SendMessageA(sheet_, DM_GETDEFID, 0, 0);
  HWND target = HIWORD(defaultId) == DC_HASDEFID ? ::GetDlgItem(sheet_, LOWORD(defaultId)) : nullptr;
  if (!Usable(target)) target = ::GetNextDlgTabItem(sheet_, nullptr, FALSE);
  if (Usable(target)) ::SendMessageA(sheet_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
}

void Win32Wizard::SetActivePage(int index) {
  if (sheet_ != nullptr) ::SendMessageA(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

WizardResult Win32Wizard::Run(CCVNWizard& wizard) {
  wizard_ = &wizard;
  runningWizard = this;
  finished_ = false;
  wizard.AttachSheet(this);
  appIcon_ = ::LoadIconA(instance_, MAKEINTRESOURCEA(static_cast<WORD>(wizard.appIcon)));

  std::vector<PageBinding> bindings;
  std::vector<PROPSHEETPAGEA> pages = MakePropertyPages(wizard.Pages(), instance_, help_, bindings);
  for (PageBinding& binding : bindings) {
    binding.beforeActivate = [this](HWND sheet) { sheet_ = sheet; };
    binding.finished = [this] { finished_ = true; };
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_MODELESS | PSH_USECALLBACK | PSH_HASHELP;
  header.hInstance = instance_;
  header.pszCaption = MAKEINTRESOURCEA(IDS_PRODUCT_NAME);
  header.nPages = static_cast<UINT>(pages.size());
  header.ppsp = pages.data();
  header.pfnCallback = SheetCallback;
  const auto made = ::PropertySheetA(&header);
  sheet_ = made > 0 ? reinterpret_cast<HWND>(made) : nullptr;
  if (sheet_ != nullptr) {
    PumpWaitingMessages();
    wizard.ShowIntroductionIfWanted();
    RunMessageLoop();
    ::DestroyWindow(sheet_);
  }
  wizard.AttachSheet(nullptr);
  sheet_ = nullptr;
  runningWizard = nullptr;
  return finished_ ? WizardResult::Finished : WizardResult::Cancelled;
}

void Win32Wizard::PumpWaitingMessages() {
  // The sheet's first messages, its activation among them, bring the
  // thread's keyboard state up to date before the Shift key is asked for.
  // Under Wine that state comes from the X server once the new window has
  // the focus, a moment after it is shown, so the messages of a short while
  // are handled.
  const DWORD start = ::GetTickCount();
  for (DWORD waited = 0; waited < kKeyboardSettleMs; waited = ::GetTickCount() - start) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kKeyboardSettleMs - waited, QS_ALLINPUT);
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT &&
           ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!::SendMessageA(sheet_, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message))) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
      }
    }
  }
}

void Win32Wizard::RunMessageLoop() {
  // The sheet has no current page once Finish or Cancel ended it.
  MSG message;
  while (::SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0) != 0 &&
         ::GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!::SendMessageA(sheet_, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message))) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
}

int CALLBACK Win32Wizard::SheetCallback(HWND sheet, UINT message, LPARAM lParam) {
  if (message == PSCB_PRECREATE) AddMinimiseBox(lParam);
  if (message == PSCB_INITIALIZED && runningWizard != nullptr) runningWizard->OnSheetCreated(sheet);
  return 0;
}

void Win32Wizard::OnSheetCreated(HWND sheet) {
  sheet_ = sheet;
  const HMENU menu = ::GetSystemMenu(sheet, FALSE);
  ::DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  ::DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  const std::string about = context_.machine.Texts().Load(IDS_ABOUT_MENU);
  ::AppendMenuA(menu, MF_STRING, IDM_ABOUT, about.c_str());
  ::SendMessageA(sheet, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_));
  sheetProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetProc)));
}

bool Win32Wizard::PaintMinimised() {
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(sheet_, &paint);
  ::SendMessageA(sheet_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  ::GetClientRect(sheet_, &client);
  const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc, x, y, appIcon_);
  ::EndPaint(sheet_, &paint);
  return true;
}

LRESULT CALLBACK Win32Wizard::SheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Wizard* self = runningWizard;
  if (self == nullptr || self->sheetProc_ == nullptr) return ::DefWindowProcA(sheet, message, wParam, lParam);
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & kSystemCommandMask) == IDM_ABOUT) {
        self->wizard_->ShowAbout();
        return 0;
      }
      break;
    case WM_PAINT:
      if (::IsIconic(sheet)) return self->PaintMinimised();
      break;
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(self->appIcon_);
    case kSettleFocus: self->SettleFocus(); return 0;
    case WM_HELP: {
      const HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
      if (PageBinding* binding = page ? BindingOf(page) : nullptr) {
        self->help_(binding->logic->HelpContext());
        return TRUE;
      }
      break;
    }
    default: break;
  }
  return ::CallWindowProcA(self->sheetProc_, sheet, message, wParam, lParam);
}

}  // namespace cvn::win32ui

#include "ui/win32/Win32WizardRunner.h"

namespace cvn::win32ui {

std::unique_ptr<WizardRunner> CreateWizardRunner(RunContext& context) {
  return std::make_unique<Win32Wizard>(context, ::GetModuleHandleA(nullptr));
}

}  // namespace cvn::win32ui
