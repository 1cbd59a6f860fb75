// Restarting Windows from the wizard: the question first, then the request
// through the platform (which on Windows NT enables the shutdown privilege
// that the request needs).
#pragma once

#include "config/RunContext.h"

namespace cvn {

// "Restart Windows now?" with Yes and No; true unless the answer is No.
bool ConfirmRestart(RunContext& context);

// Asks Windows to restart: reboot, without forcing.
void RestartWindows(RunContext& context);

}  // namespace cvn
