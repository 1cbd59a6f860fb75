// The program the driver's own tests play against: it shows message boxes
// with each set of buttons, two open-file dialogs and a plain dialog, and
// reports what it got on stdout and in its exit code, whose decimal digits
// are the results of its dialogs in turn (IDOK 1, IDCANCEL 2, IDYES 6,
// IDNO 7; a chosen file 1, none 2).
//
//   probe          the dialogs
//   probe sleep    no dialog: it only waits, for the driver's timeout
#include <windows.h>
// commdlg.h needs windows.h before it.
#include <commdlg.h>

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

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) {
    ::EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

// A captioned dialog without controls, from a template made in memory:
// DLGTEMPLATE, then no menu, the default class and the title.
void ShowPlainDialog() {
  alignas(DWORD) WORD memory[64] = {};
  DLGTEMPLATE shape{};
  shape.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  shape.cx = 160;
  shape.cy = 60;
  std::memcpy(memory, &shape, sizeof shape);
  WORD* title = memory + sizeof shape / sizeof(WORD) + 2;
  ::MultiByteToWideChar(CP_ACP, 0, "Probe dialog", -1, reinterpret_cast<wchar_t*>(title), 32);
  const INT_PTR result = ::DialogBoxIndirectParamA(
      ::GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(memory), nullptr,
      PlainDialogProc, 0);
  Report(std::string("dialog ") + AnswerName(static_cast<int>(result)), static_cast<int>(result));
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
