// The real progress dialog 101: its controls, the clamped bar, Cancel and
// the owner it disables.
#include "platform/win32/Win32Api.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "ui/win32/ProgressDialogWin32.h"

namespace cvn::win32ui {
namespace {

std::string TextOf(HWND window) {
  char text[256] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

class ProgressDialogWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = ::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                               nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { ::DestroyWindow(owner_); }

  std::unique_ptr<Win32ProgressDialog> Open(const std::string& title, const std::string& message) {
    return std::make_unique<Win32ProgressDialog>(::GetModuleHandleA(nullptr), owner_, title, message);
  }

  static LRESULT BarPosition(HWND dialog) {
    return ::SendDlgItemMessageA(dialog, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0);
  }

  Win32ProgressDialogs dialogs_{::GetModuleHandleA(nullptr), nullptr};  // registers the bar's class
  HWND owner_ = nullptr;
};

TEST_F(ProgressDialogWin32Test, KeepsItsOwnTextsWhenGivenNone) {
  const auto dialog = Open("", "");
  ASSERT_NE(dialog->Window(), nullptr);
  EXPECT_EQ(TextOf(dialog->Window()), "Processing Progress");
  EXPECT_EQ(TextOf(::GetDlgItem(dialog->Window(), IDC_PROGRESS_TEXT)),
            "Click Cancel to cancel the operation.");
}

TEST_F(ProgressDialogWin32Test, ShowsTitleMessageAndClampedBar) {
  const auto dialog = Open("Checking", "Performing DLL load check.");
  const HWND window = dialog->Window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_FALSE(::IsWindowEnabled(owner_));
  EXPECT_EQ(TextOf(window), "Checking");
  EXPECT_EQ(TextOf(::GetDlgItem(window, IDC_PROGRESS_TEXT)), "Performing DLL load check.");
  dialog->SetMessage("Checking a.dll");
  EXPECT_EQ(TextOf(::GetDlgItem(window, IDC_PROGRESS_TEXT)), "Checking a.dll");
  const std::pair<int, LRESULT> cases[] = {{40, 40}, {150, 100}, {-5, 0}, {100, 100}};
  for (const auto& [percent, shown] : cases) {
    dialog->SetProgress(percent);
    EXPECT_EQ(BarPosition(window), shown) << percent;
  }
  EXPECT_TRUE(dialog->PumpMessages());
  dialog->Close();
  EXPECT_EQ(dialog->Window(), nullptr);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_TRUE(::IsWindowEnabled(owner_));
  EXPECT_FALSE(dialog->Cancelled());
}

TEST_F(ProgressDialogWin32Test, CancelClosesAndIsReported) {
  const auto dialog = Open("", "");
  const HWND window = dialog->Window();
  ASSERT_NE(window, nullptr);
  ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(dialog->PumpMessages());
  EXPECT_TRUE(dialog->Cancelled());
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_TRUE(::IsWindowEnabled(owner_));
  // Calls after Cancel do nothing.
  dialog->SetProgress(50);
  dialog->SetMessage("late");
  dialog->Close();
}

TEST_F(ProgressDialogWin32Test, PumpingStopsWhenTheApplicationQuits) {
  const auto dialog = Open("", "");
  ::PostQuitMessage(7);
  EXPECT_FALSE(dialog->PumpMessages());
  MSG message;
  ASSERT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
}  // namespace cvn::win32ui
