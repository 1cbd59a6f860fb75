// Gives an answer to a dialog of another process. Clicks are posted, not
// sent: a click may open the next modal dialog, and a sent message would
// wait until that one closes.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/Answers.h"

namespace cvn::uidriver {

// False when the dialog could not be reached or lacks the control.
bool GiveAnswer(HWND dialog, const Answer& answer);

// The text of the active page's control named by a "read:ID" answer.
std::string ReadPageControl(HWND dialog, const Answer& answer);

}  // namespace cvn::uidriver
