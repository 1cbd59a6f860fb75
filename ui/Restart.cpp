#include "ui/Restart.h"

namespace cvn {
namespace {

constexpr int kIdsRestartNow = 10091;  // "Restart Windows now?"

}  // namespace

bool ConfirmRestart(RunContext& context) {
  const std::string question = context.machine.Texts().Load(kIdsRestartNow);
  return context.machine.Ask().MessageBox(question, platform::Buttons::YesNo,
                                          platform::Icon::Question) != platform::Answer::No;
}

void RestartWindows(RunContext& context) {
  context.machine.Procs().RestartWindows(platform::exitwin::kReboot);
}

}  // namespace cvn
