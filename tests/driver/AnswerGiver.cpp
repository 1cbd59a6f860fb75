#include "tests/driver/AnswerGiver.h"

#include "tests/driver/DialogReader.h"

namespace cvn::uidriver {
namespace {

static_assert(kIdOk == IDOK && kIdCancel == IDCANCEL && kIdYes == IDYES && kIdNo == IDNO);

// What BM_CLICK would make the button send to its dialog.
bool PressButton(HWND dialog, int id) {
  HWND button = ChildWithId(dialog, id);
  if (button == nullptr) return false;
  const WPARAM command = MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED);
  return ::PostMessageA(dialog, WM_COMMAND, command, reinterpret_cast<LPARAM>(button)) != 0;
}

bool TypeText(HWND edit, const std::string& text) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, kMessageWaitMs, &result) != 0 &&
         result != 0;
}

bool ChooseFile(HWND dialog, const Answer& answer) {
  HWND box = FileNameBox(dialog);
  return box != nullptr && TypeText(box, answer.argument) &&
         PressButton(dialog, answer.verb->buttonId);
}

}  // namespace

bool GiveAnswer(HWND dialog, const Answer& answer) {
  switch (answer.verb->action) {
    case Action::PressButton: return PressButton(dialog, answer.verb->buttonId);
    case Action::ChooseFile: return ChooseFile(dialog, answer);
    case Action::Close: return ::PostMessageA(dialog, WM_CLOSE, 0, 0) != 0;
  }
  return false;
}

}  // namespace cvn::uidriver
