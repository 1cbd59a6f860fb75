#include "platform/emulated/EmulatedMachine.h"
#include "tools/cvntool/ToolMachine.h"

namespace cvn::tool {

std::unique_ptr<platform::Machine> OpenMachine(const std::string& imageFolder, std::string& error) {
  if (imageFolder.empty()) {
    error = "--machine IMAGE is needed: the Linux build looks at a machine image";
    return nullptr;
  }
  return emulated::EmulatedMachine::Open(imageFolder, error);
}

}  // namespace cvn::tool
