// The real progress dialog (template 101): a modeless window with the text
// 1254, the progress bar 1255 and Cancel, which disables its owner while
// it is open.
#pragma once

#include "platform/win32/Win32Api.h"

#include <memory>
#include <string>

#include "platform/ProgressDialog.h"

namespace cvn::win32ui {

class Win32ProgressDialog final : public ProgressDialog {
 public:
  Win32ProgressDialog(HINSTANCE instance, HWND owner, const std::string& title,
                      const std::string& message);
  ~Win32ProgressDialog() override;
  Win32ProgressDialog(const Win32ProgressDialog&) = delete;
  Win32ProgressDialog& operator=(const Win32ProgressDialog&) = delete;

  void SetProgress(int percent) override;
  void SetMessage(const std::string& text) override;
  bool PumpMessages() override;
  bool Cancelled() const override { return cancelled_; }
  void Close() override;

  // The dialog window; null once it is closed or when it could not be made.
  HWND Window() const { return window_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND owner_ = nullptr;
  HWND window_ = nullptr;
  bool cancelled_ = false;
};

class Win32ProgressDialogs final : public ProgressDialogs {
 public:
  // Without an owner the dialogs belong to the application's active window.
  Win32ProgressDialogs(HINSTANCE instance, HWND owner);

  std::unique_ptr<ProgressDialog> Open(const std::string& title,
                                       const std::string& message) override;

 private:
  HINSTANCE instance_;
  HWND owner_;
};

}  // namespace cvn::win32ui
