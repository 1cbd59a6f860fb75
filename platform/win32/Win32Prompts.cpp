// What the user is asked, through MessageBoxA and GetOpenFileNameA.
#include "platform/win32/Win32Prompts.h"

#include <algorithm>

#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {
namespace {

constexpr const char* kCaption = "Corvane";

UINT ButtonFlags(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return MB_OK;
    case Buttons::OkCancel: return MB_OKCANCEL;
    case Buttons::YesNo: return MB_YESNO;
  }
  return MB_OK;
}

UINT IconFlags(Icon icon) {
  switch (icon) {
    case Icon::None: return 0;
    case Icon::Information: return MB_ICONINFORMATION;
    case Icon::Warning: return MB_ICONEXCLAMATION;
    case Icon::Error: return MB_ICONSTOP;
    case Icon::Question: return MB_ICONQUESTION;
  }
  return 0;
}

// A box that could not be shown (MessageBox returns 0) counts as the
// cautious answer of its buttons.
Answer ToAnswer(int result, Buttons buttons) {
  switch (result) {
    case IDOK: return Answer::Ok;
    case IDCANCEL: return Answer::Cancel;
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    default: break;
  }
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return Answer::Cancel;
    case Buttons::YesNo: return Answer::No;
  }
  return Answer::Cancel;
}

// "Text (*.txt)|*.txt||" becomes the zero-separated list the dialog wants,
// with the two zeros that end it even when the request left them out.
std::string FilterList(const std::string& filter) {
  std::string list = filter;
  std::replace(list.begin(), list.end(), '|', '\0');
  list.append(2, '\0');
  return list;
}

}  // namespace

Answer Win32Prompts::MessageBox(const std::string& text, Buttons buttons, Icon icon) {
  const int result = ::MessageBoxA(::GetActiveWindow(), text.c_str(), kCaption,
                                   ButtonFlags(buttons) | IconFlags(icon));
  return ToAnswer(result, buttons);
}

std::optional<std::string> Win32Prompts::OpenFile(const OpenFileRequest& request) {
  const std::string filter = FilterList(request.filter);
  char file[MAX_PATH] = {};
  request.initialFile.copy(file, sizeof file - 1);

  OPENFILENAMEA dialog{};
  // The Windows 95 / NT 4 size of the structure, which every later Windows accepts.
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.hwndOwner = ::GetActiveWindow();
  dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrDefExt =
      request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = request.flags;
  if (!::GetOpenFileNameA(&dialog)) return std::nullopt;
  file[sizeof file - 1] = '\0';
  return std::string(file);
}

bool Win32Prompts::ShiftKeyDown() { return ::GetKeyState(VK_SHIFT) < 0; }

void Win32Prompts::BeginWaitCursor() {
  if (waitDepth_++ == 0) {
    cursorBeforeWait_ = reinterpret_cast<uintptr_t>(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)));
  }
}

void Win32Prompts::EndWaitCursor() {
  if (waitDepth_ == 0) return;
  if (--waitDepth_ == 0) ::SetCursor(reinterpret_cast<HCURSOR>(cursorBeforeWait_));
}

}  // namespace cvn::platform::win32
