// The program the driver's own tests play against: it shows message boxes
// with each set of buttons, two open-file dialogs and a plain dialog, and
// reports what it got on stdout and in its exit code, whose decimal digits
// are the results of its dialogs in turn (IDOK 1, IDCANCEL 2, IDYES 6,
// IDNO 7; a chosen file 1, none 2).
//
//   probe          the dialogs
//   probe lists    a wizard page with a list view and a combo box, which
//                  reports the row selected (its number), the entry picked
//                  (its number) and Finish (1); then a confirmation dialog
//                  with Yes and No buttons
//   probe sleep    no dialog: it only waits, for the driver's timeout
#include <windows.h>
// commdlg.h and commctrl.h need windows.h before them.
#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kCaption = "Probe";
constexpr const char* kDatabase = "C:\\windows\\temp\\corvane-probe.cdb";

unsigned long results = 0;

void Report(const std::string& line, int result) {
  std::printf("probe: %s\n", line.c_str());
  std::fflush(stdout);
  results = results * 10 + static_cast<unsigned long>(result);
}

const char* AnswerName(int answer) {
  switch (answer) {
    case IDOK: return "ok";
    case IDCANCEL: return "cancel";
    case IDYES: return "yes";
    case IDNO: return "no";
    default: return "?";
  }
}

void AskMessage(const char* text, UINT type) {
  const int answer = ::MessageBoxA(nullptr, text, kCaption, type);
  Report(AnswerName(answer), answer);
}

void AskFile() {
  char file[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.lpstrFilter = "Databases (*.cdb)\0*.cdb\0All files (*.*)\0*.*\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrTitle = "Open database";
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (::GetOpenFileNameA(&dialog)) {
    Report(std::string("file ") + file, 1);
  } else {
    Report("no file", 2);
  }
}

// A captioned dialog template without controls, made in memory:
// DLGTEMPLATE, then no menu, the default class and the title. The dialogs
// make their controls when they start.
struct Template {
  alignas(DWORD) WORD memory[64] = {};

  Template(DWORD style, const char* title) {
    DLGTEMPLATE shape{};
    shape.style = style;
    shape.cx = 200;
    shape.cy = 110;
    std::memcpy(memory, &shape, sizeof shape);
    WORD* text = memory + sizeof shape / sizeof(WORD) + 2;
    ::MultiByteToWideChar(CP_ACP, 0, title, -1, reinterpret_cast<wchar_t*>(text), 32);
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(memory); }
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

INT_PTR ShowDialog(const char* title, DLGPROC procedure) {
  const Template shape(kDialogStyle, title);
  return ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), shape.get(), nullptr, procedure, 0);
}

HWND AddControl(HWND parent, const char* type, const char* text, DWORD style, int id, RECT place) {
  return ::CreateWindowExA(0, type, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) {
    ::EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

void ShowPlainDialog() {
  const INT_PTR result = ShowDialog("Probe dialog", PlainDialogProc);
  Report(std::string("dialog ") + AnswerName(static_cast<int>(result)), static_cast<int>(result));
}

// The lists page's controls, numbered as a wizard's would be.
constexpr int kRowList = 1001;
constexpr int kChoiceCombo = 1002;
constexpr int kHeading = 1003;

void AddRowList(HWND page) {
  HWND list = AddControl(page, WC_LISTVIEWA, "",
                         WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, kRowList,
                         {10, 30, 290, 130});
  HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
  for (LPCSTR icon : {IDI_APPLICATION, IDI_WARNING, IDI_ERROR}) {
    ::ImageList_AddIcon(images, ::LoadIconA(nullptr, icon));
  }
  ListView_SetImageList(list, images, LVSIL_SMALL);
  const char* headings[] = {"File", "Version"};
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNA shape{};
    shape.mask = LVCF_TEXT | LVCF_WIDTH;
    shape.cx = 130;
    shape.pszText = const_cast<char*>(headings[column]);
    ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                   reinterpret_cast<LPARAM>(&shape));
  }
  const struct {
    const char* file;
    const char* version;
    int image;
  } rows[] = {{"alpha.dll", "1.0", 0}, {"beta.dll", "2.5", 2}, {"gamma.ocx", "", 1}};
  for (int row = 0; row < 3; ++row) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = const_cast<char*>(rows[row].file);
    item.iImage = rows[row].image;
    ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.mask = LVIF_TEXT;
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(rows[row].version);
    ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
  }
}

void AddChoiceCombo(HWND page) {
  HWND combo = AddControl(page, WC_COMBOBOXA, "", WS_VSCROLL | CBS_DROPDOWNLIST, kChoiceCombo,
                          {10, 140, 160, 240});
  for (const char* entry : {"Daily", "Weekly", "Never"}) {
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }
}

void OnListsNotify(HWND page, const NMHDR& header) {
  if (header.code == PSN_SETACTIVE) {
    ::PostMessageA(::GetParent(page), PSM_SETWIZBUTTONS, 0, PSWIZB_FINISH);
  } else if (header.code == PSN_WIZFINISH) {
    Report("finish", 1);
  } else if (header.idFrom == kRowList && header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & ~change.uOldState & LVIS_SELECTED) != 0) {
      Report("selected row " + std::to_string(change.iItem), change.iItem);
    }
  }
}

void OnListsCommand(HWND page, WPARAM command) {
  if (LOWORD(command) != kChoiceCombo || HIWORD(command) != CBN_SELCHANGE) return;
  const int entry = static_cast<int>(::SendDlgItemMessageA(page, kChoiceCombo, CB_GETCURSEL, 0, 0));
  Report("picked entry " + std::to_string(entry), entry);
}

INT_PTR CALLBACK ListsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      AddControl(page, WC_STATICA, "Lists", 0, kHeading, {10, 8, 290, 24});
      AddRowList(page);
      AddChoiceCombo(page);
      return TRUE;
    case WM_NOTIFY: OnListsNotify(page, *reinterpret_cast<const NMHDR*>(lParam)); return TRUE;
    case WM_COMMAND: OnListsCommand(page, wParam); return TRUE;
    default: return FALSE;
  }
}

void ShowListsWizard() {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&classes);
  const Template shape(WS_CHILD | WS_CAPTION | DS_CONTROL, "Probe lists");
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DLGINDIRECT;
  page.pResource = shape.get();
  page.pfnDlgProc = ListsPageProc;
  PROPSHEETHEADERA sheet{};
  sheet.dwSize = sizeof sheet;
  sheet.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE;
  sheet.pszCaption = "Probe lists";
  sheet.nPages = 1;
  sheet.ppsp = &page;
  ::PropertySheetA(&sheet);
}

// A confirmation as a program's own dialog, not a message box: its text
// has a number of its own.
INT_PTR CALLBACK ReplaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    AddControl(dialog, WC_STATICA, "Replace alpha.dll?", 0, 100, {10, 10, 290, 30});
    AddControl(dialog, WC_BUTTONA, "&Yes", BS_DEFPUSHBUTTON, IDYES, {60, 120, 140, 145});
    AddControl(dialog, WC_BUTTONA, "&No", BS_PUSHBUTTON, IDNO, {160, 120, 240, 145});
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDYES || LOWORD(wParam) == IDNO)) {
    ::EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

void AskReplace() {
  const INT_PTR result = ShowDialog("Replace file", ReplaceDialogProc);
  Report(std::string("replace ") + AnswerName(static_cast<int>(result)), static_cast<int>(result));
}

void MakeDatabase() {
  if (std::FILE* file = std::fopen(kDatabase, "w")) {
    std::fputs("[Probe]\n", file);
    std::fclose(file);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "sleep") == 0) {
    ::Sleep(INFINITE);
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "lists") == 0) {
    ShowListsWizard();
    AskReplace();
    return static_cast<int>(results);
  }
  MakeDatabase();
  AskMessage("Plain message", MB_OK);
  AskMessage("Two lines\nand a & sign", MB_OKCANCEL | MB_ICONEXCLAMATION);
  AskMessage("Go on?", MB_YESNO | MB_ICONQUESTION);
  AskMessage("Really?\r\nSure?", MB_YESNO | MB_ICONSTOP);
  AskFile();
  AskFile();
  ShowPlainDialog();
  ::DeleteFileA(kDatabase);
  return static_cast<int>(results);
}
