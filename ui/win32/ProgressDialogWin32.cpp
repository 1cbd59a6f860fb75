#include "ui/win32/ProgressDialogWin32.h"

#include <commctrl.h>

#include "resources/resource.h"

namespace cvn::win32ui {

Win32ProgressDialog::Win32ProgressDialog(HINSTANCE instance, HWND owner, const std::string& title,
                                         const std::string& message)
    : owner_(owner != nullptr ? owner : ::GetActiveWindow()) {
  if (owner_ != nullptr) ::EnableWindow(owner_, FALSE);
  window_ = ::CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_PROGRESS), owner_, DialogProc,
                                 reinterpret_cast<LPARAM>(this));
  if (window_ == nullptr) {
    if (owner_ != nullptr) ::EnableWindow(owner_, TRUE);
    return;
  }
  if (!title.empty()) ::SetWindowTextA(window_, title.c_str());
  if (!message.empty()) ::SetDlgItemTextA(window_, IDC_PROGRESS_TEXT, message.c_str());
  ::SendDlgItemMessageA(window_, IDC_PROGRESS_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  ::ShowWindow(window_, SW_SHOW);
}

Win32ProgressDialog::~Win32ProgressDialog() { Close(); }

void Win32ProgressDialog::SetProgress(int percent) {
  if (window_ == nullptr) return;
  ::SendDlgItemMessageA(window_, IDC_PROGRESS_BAR, PBM_SETPOS,
                        static_cast<WPARAM>(ClampPercent(percent)), 0);
}

void Win32ProgressDialog::SetMessage(const std::string& text) {
  if (window_ != nullptr) ::SetDlgItemTextA(window_, IDC_PROGRESS_TEXT, text.c_str());
}

bool Win32ProgressDialog::PumpMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The application's own loop must still see that it is to end.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (window_ == nullptr || !::IsDialogMessageA(window_, &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
  return true;
}

void Win32ProgressDialog::Close() {
  if (window_ == nullptr) return;
  if (owner_ != nullptr) ::EnableWindow(owner_, TRUE);
  const HWND window = window_;
  window_ = nullptr;
  ::DestroyWindow(window);
}

INT_PTR CALLBACK Win32ProgressDialog::DialogProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrA(window, DWLP_USER, lParam);
    return TRUE;
  }
  auto* self = reinterpret_cast<Win32ProgressDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
  if (self != nullptr && message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    // The flag is how the work learns of the Cancel; the window goes at once.
    self->cancelled_ = true;
    self->Close();
    return TRUE;
  }
  return FALSE;
}

Win32ProgressDialogs::Win32ProgressDialogs(HINSTANCE instance, HWND owner)
    : instance_(instance), owner_(owner) {
  // Registers the progress bar's window class before the first dialog needs it.
  ::InitCommonControls();
}

std::unique_ptr<ProgressDialog> Win32ProgressDialogs::Open(const std::string& title,
                                                           const std::string& message) {
  return std::make_unique<Win32ProgressDialog>(instance_, owner_, title, message);
}

}  // namespace cvn::win32ui
