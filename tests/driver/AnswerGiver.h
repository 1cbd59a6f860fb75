// Gives an answer to a dialog of another process. Clicks are posted, not
// sent: a click may open the next modal dialog, and a sent message would
// wait until that one closes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/Answers.h"

namespace cvn::uidriver {

// False when the dialog could not be reached or lacks the control. The
// answers that read ("read:ID", "rows:ID") add what they read to the
// transcript lines.
bool GiveAnswer(HWND dialog, const Answer& answer, std::vector<std::string>* transcript);

}  // namespace cvn::uidriver
