// CreateProcess and ExitWindowsEx on the emulated machine: a started program
// ends at once with the exit code the image gives its command line.
#pragma once

#include <vector>

#include "platform/Processes.h"
#include "platform/emulated/MachineFacts.h"

namespace cvn::emulated {

struct StartedProcess {
  std::string commandLine;
  uint32_t creationFlags = 0;
  bool started = false;  // false: no exit code was known, so the start failed
};

class EmulatedProcesses : public platform::Processes {
 public:
  explicit EmulatedProcesses(const MachineFacts& facts) : programs_(facts.programs) {}

  // The exit code of the entry for exactly this command line (without
  // regard to case), else of an entry naming only its program; with
  // neither the program cannot be started.
  std::unique_ptr<platform::Process> Start(const std::string& commandLine, uint32_t creationFlags) override;
  bool RestartWindows(uint32_t flags) override;

  void SetExitCode(const std::string& commandLine, uint32_t exitCode);
  const std::vector<StartedProcess>& Started() const { return started_; }
  const std::vector<uint32_t>& RestartRequests() const { return restarts_; }

 private:
  std::optional<uint32_t> ExitCodeOf(const std::string& commandLine) const;

  std::vector<ProgramExit> programs_;
  std::vector<StartedProcess> started_;
  std::vector<uint32_t> restarts_;
};

}  // namespace cvn::emulated
