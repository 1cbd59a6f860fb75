// The wizard as comctl32's property sheet in wizard mode: made modeless,
// then run modally with its own message loop, so that the introduction can
// show over it first. It carries "&About Corvane" in its system menu and
// paints the program's icon while minimised.
#pragma once

#include "platform/win32/Win32Api.h"

#include <memory>
#include <vector>

#include "config/RunContext.h"
#include "ui/CCVNWizard.h"
#include "ui/UiHost.h"
#include "ui/WizardRunner.h"
#include "ui/win32/ProgressDialogWin32.h"
#include "ui/win32/Win32Dialogs.h"

namespace cvn::win32ui {

class Win32Wizard final : public WizardRunner, public UiHost, public SheetControl {
 public:
  Win32Wizard(RunContext& context, HINSTANCE instance);

  UiHost& Host() override { return *this; }
  WizardResult Run(CCVNWizard& wizard) override;

  DialogEnd RunModal(DialogLogic& dialog) override;
  void RunPropertySheet(const std::string& caption, const std::vector<PageLogic*>& pages) override;
  std::optional<FontMetrics> ScreenFontMetrics() override;
  ProgressDialogs& Progress() override;

  void SetWizardButtons(unsigned buttons) override;
  void SetActivePage(int index) override;

 private:
  static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lParam);
  static LRESULT CALLBACK SheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam);
  void OnSheetCreated(HWND sheet);
  bool PaintMinimised();
  void SettleFocus();
  void PumpWaitingMessages();
  void RunMessageLoop();
  HWND Owner() const;

  RunContext& context_;
  HINSTANCE instance_;
  HelpHandler help_;
  CCVNWizard* wizard_ = nullptr;
  HWND sheet_ = nullptr;
  WNDPROC sheetProc_ = nullptr;
  HICON appIcon_ = nullptr;
  bool finished_ = false;
  std::unique_ptr<Win32ProgressDialogs> progress_;
};

}  // namespace cvn::win32ui
