#include "tests/driver/AnswerGiver.h"

#include <prsht.h>

#include <cstdlib>
#include <string>

#include "tests/driver/DialogReader.h"
#include "tests/driver/ListControls.h"

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
  return SendWaiting(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &result) &&
         result != 0;
}

bool ChooseFile(HWND dialog, const Answer& answer) {
  HWND box = FileNameBox(dialog);
  return box != nullptr && TypeText(box, answer.argument) &&
         PressButton(dialog, answer.verb->buttonId);
}

// "ID" or "ID=TEXT": the control of the active page (of the dialog itself
// when it has none) and the text.
HWND PageControl(HWND dialog, const std::string& argument, std::string* text) {
  const size_t equals = argument.find('=');
  if (text != nullptr) *text = equals == std::string::npos ? std::string() : argument.substr(equals + 1);
  const int id = std::atoi(argument.substr(0, equals).c_str());
  return id != 0 ? ChildWithId(ControlHolder(dialog), id) : nullptr;
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

// "ID=N": the control and N.
template <typename Act>
bool ActOnEntry(HWND dialog, const Answer& answer, Act act) {
  std::string number;
  HWND control = PageControl(dialog, answer.argument, &number);
  return control != nullptr && act(control, std::atoi(number.c_str()));
}

bool Read(HWND dialog, const Answer& answer, std::vector<std::string>* transcript) {
  HWND control = PageControl(dialog, answer.argument, nullptr);
  if (control == nullptr) return false;
  transcript->push_back("read " + answer.argument + ": " + OnOneLine(WindowText(control)));
  return true;
}

bool Rows(HWND dialog, const Answer& answer, std::vector<std::string>* transcript) {
  const auto rows = RowsOf(PageControl(dialog, answer.argument, nullptr));
  if (!rows) return false;
  for (std::string& line : DescribeRows(*rows)) transcript->push_back(std::move(line));
  return true;
}

}  // namespace

bool GiveAnswer(HWND dialog, const Answer& answer, std::vector<std::string>* transcript) {
  switch (answer.verb->action) {
    case Action::PressButton: return PressButton(dialog, answer.verb->buttonId);
    case Action::ChooseFile: return ChooseFile(dialog, answer);
    case Action::Close: return ::PostMessageA(dialog, WM_CLOSE, 0, 0) != 0;
    case Action::WizardButton:
      return ::PostMessageA(dialog, PSM_PRESSBUTTON, static_cast<WPARAM>(answer.verb->command), 0) != 0;
    case Action::Click: return Click(dialog, answer);
    case Action::Type: return Type(dialog, answer);
    case Action::Read: return Read(dialog, answer, transcript);
    case Action::Rows: return Rows(dialog, answer, transcript);
    case Action::Select: return ActOnEntry(dialog, answer, SelectRow);
    case Action::Pick: return ActOnEntry(dialog, answer, PickEntry);
    case Action::SystemMenu:
      return ::PostMessageA(dialog, WM_SYSCOMMAND,
                            static_cast<WPARAM>(std::atoi(answer.argument.c_str())), 0) != 0;
  }
  return false;
}

}  // namespace cvn::uidriver
