// Opening the application's Read Me: the viewer's command line, then
// WordPad, then the program Windows associates with the file (recent
// Windows has no WordPad).
#pragma once

#include <string>

#include "config/RunContext.h"

namespace cvn {

// Whether a Read Me file is named: the text after the last backslash is
// not empty.
bool ReadMeNamed(const std::string& readMeFile);

// The command line "viewer file"; a part holding a blank is quoted, so
// that the file stays one argument.
std::string ReadMeCommandLine(const std::string& viewer, const std::string& file);

// Starts the viewer without waiting for it. When it cannot be started,
// `viewer` becomes WordPad's path for this Windows and stays so; when
// WordPad fails too, the shell opens the file. No message either way.
void ShowReadMe(RunContext& context, std::string& viewer, const std::string& file);

}  // namespace cvn
