// Processes and restart through CreateProcess and ExitWindowsEx.
#pragma once

#include "platform/Processes.h"

namespace cvn::platform::win32 {

class Win32Processes final : public Processes {
 public:
  std::unique_ptr<Process> Start(const std::string& commandLine, uint32_t creationFlags) override;
  bool RestartWindows(uint32_t flags) override;
};

}  // namespace cvn::platform::win32
