#include "platform/win32/Win32CommandLine.h"

#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {

std::string RawCommandLine() {
  const char* line = GetCommandLineA();
  return line ? line : "";
}

}  // namespace cvn::platform::win32
