// The process's command line as Windows gave it, program name included.
#pragma once

#include <string>

namespace cvn::platform::win32 {

std::string RawCommandLine();

}  // namespace cvn::platform::win32
