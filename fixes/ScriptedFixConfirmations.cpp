#include "fixes/ScriptedFixConfirmations.h"

namespace cvn {

bool ScriptedFixConfirmations::NextAnswer() {
  if (answers_.empty()) return fallback_ == Default::Yes;
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

bool ScriptedFixConfirmations::ConfirmFile(const FileConfirmation& confirmation) {
  files.push_back(confirmation);
  return NextAnswer();
}

std::optional<std::string> ScriptedFixConfirmations::ConfirmSetting(const SettingConfirmation& confirmation,
                                                                    const SettingTextCheck& check) {
  settings.push_back(confirmation);
  // The dialog stays open after a refused text; the fallback answer is
  // given once, so that a refused proposal ends in No rather than a loop.
  bool fallbackGiven = false;
  for (;;) {
    SettingAnswer answer = SettingAnswer::No();
    if (!settingAnswers_.empty()) {
      answer = settingAnswers_.front();
      settingAnswers_.pop_front();
    } else if (fallback_ == Default::Yes && !fallbackGiven) {
      answer = SettingAnswer::Proposal();
      fallbackGiven = true;
    }
    if (answer.kind == SettingAnswer::Kind::No) return std::nullopt;
    const std::string text = answer.kind == SettingAnswer::Kind::Proposal ? confirmation.proposal : answer.text;
    const std::string problem = check ? check(text) : std::string();
    if (problem.empty()) return text;
    refusals.push_back(problem);
  }
}

bool ScriptedFixConfirmations::ConfirmServer(const ServerConfirmation& confirmation) {
  servers.push_back(confirmation);
  return NextAnswer();
}

bool ScriptedFixConfirmations::ConfirmTypeLibrary(const TypeLibConfirmation& confirmation) {
  typeLibraries.push_back(confirmation);
  return NextAnswer();
}

}  // namespace cvn
