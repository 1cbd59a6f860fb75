// template_gallery.exe [FOLDER]: shows every dialog template of the program
// as the program shows it (the wizard pages in a wizard sheet, the pages of
// the file details and CONFIG.SYS viewers in their property sheets, every
// other dialog on its own), with the headings in their run-time fonts;
// checks each for overlapping controls and cut-off texts, and saves a
// screenshot of each as FOLDER\<number>.bmp. Prints every fault and exits
// with 1 when there is one or a template cannot be shown.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/driver/Screenshot.h"
#include "tests/gallery/LayoutCheck.h"

namespace cvn::gallery {
namespace {

constexpr DWORD kSettleMs = 300;

const std::vector<int> kWizardPages = {
    IDD_PROBLEM1, IDD_PROBLEM2, IDD_PROBLEM3, IDD_PROBLEM4, IDD_PROBLEM5, IDD_PROBLEM6,
    IDD_PROBLEM7, IDD_PROBLEM8, IDD_CHECK1, IDD_CHECK_LIST, IDD_CHECK_SETTINGS, IDD_CHECK12,
    IDD_RECENT1, IDD_RECENT2, IDD_RECENT3, IDD_MISC1, IDD_MISC2, IDD_MISC3, IDD_MISC4,
    IDD_MISC5, IDD_MISC3_NT, IDD_MISC4_NT, IDD_TECH_SUPPORT, IDD_TECH_SUPPORT1,
    IDD_TECH_SUPPORT2, IDD_TECH_SUPPORT3, IDD_TECH_SUPPORT4};
const std::vector<int> kConfigFilePages = {IDD_CONFIG_SYS, IDD_AUTOEXEC_BAT};
const std::vector<int> kFileDetailsPages = {IDD_FILE_GENERAL, IDD_FILE_VERSION, IDD_FILE_DEPENDENT};
const std::vector<int> kDialogs = {
    IDD_ABOUT, IDD_PROGRESS, IDD_INTRODUCTION, IDD_RESTART_REMINDER, IDD_QUICKTIME_REMINDER,
    IDD_CONFIG_DETAILS, IDD_DISK_DETAILS, IDD_CONFIRM_FILE_REPLACE, IDD_SETTING_DETAILS,
    IDD_CONFIRM_SETTING_FIX, IDD_OLE_DETAILS, IDD_CONFIRM_OLE_FIX, IDD_TYPELIB_DETAILS,
    IDD_CONFIRM_TYPELIB_FIX, IDD_CONFIRM_FILE_COPY};

struct HeadingFont {
  const char* face;
  int points;
  bool italic;
};

// The font the program gives control 1003 (and the introduction's 1002).
HeadingFont HeadingFontOf(int dialog) {
  switch (dialog) {
    case IDD_PROBLEM1: case IDD_CHECK1: case IDD_RECENT1: case IDD_MISC1:
    case IDD_TECH_SUPPORT: case IDD_TECH_SUPPORT1:
      return {"MS Sans Serif", 12, false};
    case IDD_CHECK_LIST: case IDD_CHECK_SETTINGS: return {"MS Sans Serif", 9, false};
    case IDD_INTRODUCTION: return {"Arial", 13, false};
    case IDD_RESTART_REMINDER: case IDD_QUICKTIME_REMINDER: return {"Arial", 10, false};
    case IDD_CONFIG_DETAILS: case IDD_DISK_DETAILS: return {"Arial", 9, false};
    default: return {"MS Sans Serif", 10, false};
  }
}

HFONT MakeFont(const HeadingFont& f) {
  HDC screen = ::GetDC(nullptr);
  const int height = -::MulDiv(f.points, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
  ::ReleaseDC(nullptr, screen);
  return ::CreateFontA(height, 0, 0, 0, FW_BOLD, f.italic, FALSE, FALSE, ANSI_CHARSET, OUT_CHARACTER_PRECIS,
                       CLIP_CHARACTER_PRECIS, PROOF_QUALITY, VARIABLE_PITCH, f.face);
}

// The longest heading the program writes into a template that has none.
const char* LongestHeading(int dialog) {
  if (dialog == IDD_CHECK_LIST || dialog == IDD_CHECK_SETTINGS) return "Active X/OCX Registry Settings";
  if (dialog == IDD_CONFIG_DETAILS) return "Windows Version Details";
  return nullptr;
}

void Prepare(HWND dialog, int id) {
  if (HWND heading = ::GetDlgItem(dialog, IDC_HEADING)) {
    if (const char* text = LongestHeading(id)) ::SetWindowTextA(heading, text);
    ::SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(MakeFont(HeadingFontOf(id))), TRUE);
  }
  if (HWND name = ::GetDlgItem(dialog, IDC_APP_NAME)) {
    ::SetWindowTextA(name, "Skylark Notes");
    ::SendMessageA(name, WM_SETFONT, reinterpret_cast<WPARAM>(MakeFont({"Arial", 10, true})), TRUE);
  }
  if (HWND picture = ::GetDlgItem(dialog, IDC_PICTURE)) {
    ::SendMessageA(picture, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IDI_INFORMATION)), 0);
  }
  // The setting fix shows either the list or the edit.
  if (HWND list = ::GetDlgItem(dialog, IDC_NEW_VALUE_LIST)) ::ShowWindow(list, SW_HIDE);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  const bool page = (::GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD) != 0;
  const LPARAM id = page ? reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam : lParam;
  Prepare(dialog, static_cast<int>(id));
  return TRUE;
}

void Settle() {
  const DWORD end = ::GetTickCount() + kSettleMs;
  while (::GetTickCount() < end) {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    ::Sleep(20);
  }
}

class Gallery {
 public:
  explicit Gallery(std::string folder) : folder_(std::move(folder)) {}

  void ShowSheet(const std::vector<int>& ids, bool wizard) {
    std::vector<HPROPSHEETPAGE> pages;
    for (const int id : ids) {
      PROPSHEETPAGEA page{};
      page.dwSize = sizeof page;
      page.hInstance = ::GetModuleHandleA(nullptr);
      page.pszTemplate = MAKEINTRESOURCEA(id);
      page.pfnDlgProc = DialogProc;
      page.lParam = id;
      pages.push_back(::CreatePropertySheetPageA(&page));
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | (wizard ? PSH_WIZARD : PSH_NOAPPLYNOW);
    header.hInstance = ::GetModuleHandleA(nullptr);
    header.pszCaption = "Corvane";
    header.nPages = static_cast<UINT>(pages.size());
    header.phpage = pages.data();
    const auto sheet = reinterpret_cast<HWND>(::PropertySheetA(&header));
    for (size_t i = 0; i < ids.size(); ++i) {
      ::SendMessageA(sheet, PSM_SETCURSEL, i, 0);
      if (wizard) ::SendMessageA(sheet, PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
      Look(sheet, reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), ids[i]);
    }
    if (sheet != nullptr) ::DestroyWindow(sheet);
  }

  void ShowDialog(int id) {
    HWND dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, DialogProc, id);
    ::ShowWindow(dialog, SW_SHOW);
    Look(dialog, dialog, id);
    if (dialog != nullptr) ::DestroyWindow(dialog);
  }

  int Faults() const { return faults_; }

 private:
  void Look(HWND window, HWND dialog, int id) {
    if (dialog == nullptr) {
      Report(id, "the template cannot be shown");
      return;
    }
    Settle();
    for (const std::string& fault : CheckLayout(dialog)) Report(id, fault);
    if (!folder_.empty()) uidriver::SaveScreenshot(window, folder_ + "\\" + std::to_string(id) + ".bmp");
  }

  void Report(int id, const std::string& fault) {
    std::printf("dialog %d: %s\n", id, fault.c_str());
    ++faults_;
  }

  std::string folder_;
  int faults_ = 0;
};

}  // namespace
}  // namespace cvn::gallery

int main(int argc, char** argv) {
  using namespace cvn::gallery;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  Gallery gallery(argc > 1 ? argv[1] : "");
  for (const int id : kWizardPages) gallery.ShowSheet({id}, true);
  gallery.ShowSheet(kConfigFilePages, false);
  gallery.ShowSheet(kFileDetailsPages, false);
  for (const int id : kDialogs) gallery.ShowDialog(id);
  std::printf("%d faults\n", gallery.Faults());
  return gallery.Faults() == 0 ? 0 : 1;
}
