#include "platform/emulated/EmulatedProcesses.h"

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

class FinishedProcess : public platform::Process {
 public:
  explicit FinishedProcess(uint32_t exitCode) : exitCode_(exitCode) {}
  bool Wait(uint32_t) override { return true; }
  std::optional<uint32_t> ExitCode() override { return exitCode_; }

 private:
  uint32_t exitCode_;
};

// The first token of a command line and what follows it.
std::pair<std::string_view, std::string_view> SplitCommandLine(std::string_view line) {
  line = TrimIni(line);
  if (!line.empty() && line.front() == '"') {
    const size_t close = line.find('"', 1);
    if (close == std::string_view::npos) return {line.substr(1), {}};
    return {line.substr(1, close - 1), TrimIni(line.substr(close + 1))};
  }
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return {line, {}};
  return {line.substr(0, blank), TrimIni(line.substr(blank + 1))};
}

}  // namespace

std::optional<uint32_t> EmulatedProcesses::ExitCodeOf(const std::string& commandLine) const {
  for (const auto& program : programs_) {
    if (EqualsNoCase(TrimIni(program.commandLine), TrimIni(commandLine))) return program.exitCode;
  }
  const auto wanted = SplitCommandLine(commandLine).first;
  for (const auto& program : programs_) {
    const auto [name, arguments] = SplitCommandLine(program.commandLine);
    if (arguments.empty() && EqualsNoCase(name, wanted)) return program.exitCode;
  }
  return std::nullopt;
}

std::unique_ptr<platform::Process> EmulatedProcesses::Start(const std::string& commandLine, uint32_t creationFlags) {
  const auto exitCode = ExitCodeOf(commandLine);
  started_.push_back(StartedProcess{commandLine, creationFlags, exitCode.has_value()});
  if (!exitCode) return nullptr;
  return std::make_unique<FinishedProcess>(*exitCode);
}

bool EmulatedProcesses::RestartWindows(uint32_t flags) {
  restarts_.push_back(flags);
  return true;
}

void EmulatedProcesses::SetExitCode(const std::string& commandLine, uint32_t exitCode) {
  programs_.insert(programs_.begin(), ProgramExit{commandLine, exitCode});
}

}  // namespace cvn::emulated
