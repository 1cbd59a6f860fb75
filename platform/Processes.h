// Processes and restart: CreateProcess, WaitForSingleObject,
// GetExitCodeProcess, ExitWindowsEx.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace cvn::platform {

// CreateProcess creation flags the core uses.
namespace create {
inline constexpr uint32_t kNoWindow = 0x08000000;
inline constexpr uint32_t kNewConsole = 0x00000010;
inline constexpr uint32_t kDetached = 0x00000008;
}  // namespace create

inline constexpr uint32_t kWaitInfinite = 0xFFFFFFFFu;
inline constexpr uint32_t kStillActive = 259;

class Process {
 public:
  virtual ~Process() = default;
  // WaitForSingleObject: true when the process ended within the time.
  virtual bool Wait(uint32_t milliseconds) = 0;
  // GetExitCodeProcess: kStillActive while it runs.
  virtual std::optional<uint32_t> ExitCode() = 0;
};

// ExitWindowsEx flags.
namespace exitwin {
inline constexpr uint32_t kLogoff = 0;
inline constexpr uint32_t kShutdown = 1;
inline constexpr uint32_t kReboot = 2;
}  // namespace exitwin

class Processes {
 public:
  virtual ~Processes() = default;
  // CreateProcess with this command line (program first, arguments after);
  // null when the program could not be started.
  virtual std::unique_ptr<Process> Start(const std::string& commandLine,
                                         uint32_t creationFlags) = 0;
  virtual bool RestartWindows(uint32_t flags) = 0;
};

}  // namespace cvn::platform
