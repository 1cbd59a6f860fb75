// Help: one small HTML topic per context number in the "help" folder beside
// the program, opened through the shell (today's Windows has no WinHelp).
#pragma once

#include <string>

#include "config/RunContext.h"

namespace cvn {

// The context of a dialog: the configuration files viewer (109, 110) uses
// 700, the file details pages (111, 112, 265) 800, every other dialog its
// own number. The list pages choose theirs by page instead.
int HelpContextFor(int dialogId);

// "<folder of the program>\help\<context>.htm".
std::string HelpTopicPath(const std::string& programPath, int context);

// Opens the topic; false when the shell could not.
bool OpenHelp(RunContext& context, int helpContext);

}  // namespace cvn
