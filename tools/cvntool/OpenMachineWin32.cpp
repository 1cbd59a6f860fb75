#include "platform/win32/Win32Machine.h"
#include "tools/cvntool/ToolMachine.h"

namespace cvn::tool {

std::unique_ptr<platform::Machine> OpenMachine(const std::string& imageFolder, std::string& error) {
  if (!imageFolder.empty()) {
    error = "--machine is for the Linux build; on Windows cvntool looks at this machine";
    return nullptr;
  }
  return platform::win32::CreateWin32Machine();
}

}  // namespace cvn::tool
