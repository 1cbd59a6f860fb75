#include "tests/driver/AnswerGiver.h"

#include <prsht.h>

#include <cstdlib>
#include <string>

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

// "ID" or "ID=TEXT": the control of the active page and the text.
HWND PageControl(HWND dialog, const std::string& argument, std::string* text) {
  const size_t equals = argument.find('=');
  if (text != nullptr) *text = equals == std::string::npos ? std::string() : argument.substr(equals + 1);
  const int id = std::atoi(argument.substr(0, equals).c_str());
  HWND page = CurrentPage(dialog);
  return page != nullptr && id != 0 ? ChildWithId(page, id) : nullptr;
}

bool Click(HWND dialog, const Answer& answer) {
  HWND control = PageControl(dialog, answer.argument, nullptr);
  return control != nullptr && ::PostMessageA(control, BM_CLICK, 0, 0) != 0;
}

bool Type(HWND dialog, const Answer& answer) {
  std::string text;
  HWND control = PageControl(dialog, answer.argument, &text);
  return control != nullptr && TypeText(control, text);
}

}  // namespace

std::string ReadPageControl(HWND dialog, const Answer& answer) {
  HWND control = PageControl(dialog, answer.argument, nullptr);
  return control != nullptr ? WindowText(control) : std::string();
}

bool GiveAnswer(HWND dialog, const Answer& answer) {
  switch (answer.verb->action) {
    case Action::PressButton: return PressButton(dialog, answer.verb->buttonId);
    case Action::ChooseFile: return ChooseFile(dialog, answer);
    case Action::Close: return ::PostMessageA(dialog, WM_CLOSE, 0, 0) != 0;
    case Action::WizardButton:
      return ::PostMessageA(dialog, PSM_PRESSBUTTON, static_cast<WPARAM>(answer.verb->command), 0) != 0;
    case Action::Click: return Click(dialog, answer);
    case Action::Type: return Type(dialog, answer);
    case Action::Read: return PageControl(dialog, answer.argument, nullptr) != nullptr;
    case Action::SystemMenu:
      return ::PostMessageA(dialog, WM_SYSCOMMAND,
                            static_cast<WPARAM>(std::atoi(answer.argument.c_str())), 0) != 0;
  }
  return false;
}

}  // namespace cvn::uidriver
