#include "ui/Restart.h"

#include "resources/StringIds.h"

namespace cvn {
bool ConfirmRestart(RunContext& context) {
  const std::string question = context.machine.Texts().Load(IDS_RESTART_NOW);
  return context.machine.Ask().MessageBox(question, platform::Buttons::YesNo,
                                          platform::Icon::Question) != platform::Answer::No;
}

void RestartWindows(RunContext& context) {
  context.machine.Procs().RestartWindows(platform::exitwin::kReboot);
}

}  // namespace cvn
