// The answers a test gives to the dialogs of the program, one per dialog, in
// order: a small table of verbs ("ok", "file:C:\x.cdb", ...), each with the
// dialog kinds it applies to and the action that gives it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tests/driver/Dialog.h"

namespace cvn::uidriver {

enum class Action {
  PressButton,   // the button with the verb's command id
  ChooseFile,    // the argument into the file name box, then the OK button
  Close,         // WM_CLOSE to the dialog
  WizardButton,  // PSM_PRESSBUTTON with the verb's command, when its button is enabled
  Click,         // BM_CLICK on the active page's control named by the argument
  Type,          // "ID=TEXT": the text into the active page's control ID
  Read,          // the text of the active page's control ID into the transcript
  SystemMenu,    // WM_SYSCOMMAND with the argument as the command
  Select,        // "ID=N": row N of list view ID selected and focused
  Pick,          // "ID=N": entry N of combo box ID chosen, as a user would
  Rows,          // every row of list view ID into the transcript
};

// What follows the verb's colon.
enum class Argument {
  None,
  Text,         // anything but empty
  IdAndNumber,  // "ID=N", both decimal
};

// A set of dialog kinds, one bit per kind.
using KindSet = unsigned;
constexpr KindSet KindBit(DialogKind kind) { return 1u << static_cast<unsigned>(kind); }

struct Verb {
  std::string_view name;
  Action action;
  KindSet kinds;
  int buttonId = 0;
  Argument argument = Argument::None;  // written "name:ARGUMENT"
  int command = 0;             // WizardButton: the PSBTN_ index
  // False for answers that leave the wizard on its page: the page is
  // answered again once the program has had time to act.
  bool navigates = true;
};

struct Answer {
  const Verb* verb = nullptr;
  std::string argument;
  std::string text;  // as the test wrote it
};

// "ok", "cancel", "yes", "no", "close", "file:PATH", and for wizards
// "next", "back", "finish", "click:ID" (which moves to another page),
// "press:ID" (which stays), "type:ID=TEXT", "read:ID", "select:ID=ROW",
// "pick:ID=ENTRY", "rows:ID", "sysmenu:COMMAND". "yes" and "no" also
// answer other dialogs with that button; "press", "read", "select", "pick"
// and "rows" also act on other dialogs (on their active page if they are
// property sheets, else on the dialog itself). Nothing for an unknown verb,
// a missing, malformed or unexpected argument.
std::optional<Answer> ParseAnswer(std::string_view text);

// Whether the answer can be given to the dialog: a verb for its kind, and
// the button the verb presses is there.
bool Fits(const Answer& answer, const DialogView& dialog);

// The cautious way out of a dialog the test did not answer, so the program
// goes on: Cancel, else No, else OK, else closing the dialog.
Answer DismissAnswer(const DialogView& dialog);

// The way on through a dialog with the default answers: Finish, else Next
// on a wizard page; any other dialog is dismissed.
Answer WalkAnswer(const DialogView& dialog);

}  // namespace cvn::uidriver
