// The confirmations of the emulated machine and of cvntool: nothing is
// shown; every confirmation is recorded with its fields and answered from
// a queue, or by a default once the queue is empty.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "fixes/FixConfirmations.h"

namespace cvn {

// One scripted answer to a setting confirmation.
struct SettingAnswer {
  enum class Kind { No, Proposal, Text };
  Kind kind = Kind::Proposal;
  std::string text;  // Kind::Text: what the user typed or chose

  static SettingAnswer No() { return {Kind::No, ""}; }
  static SettingAnswer Proposal() { return {Kind::Proposal, ""}; }
  static SettingAnswer Typed(std::string text) { return {Kind::Text, std::move(text)}; }
};

class ScriptedFixConfirmations final : public FixConfirmations {
 public:
  // What an empty queue answers: No to everything, or Yes with the
  // proposed value (as cvntool fix --yes does).
  enum class Default { No, Yes };
  explicit ScriptedFixConfirmations(Default fallback = Default::No) : fallback_(fallback) {}

  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  void QueueSettingAnswer(SettingAnswer answer) { settingAnswers_.push_back(std::move(answer)); }

  bool ConfirmFile(const FileConfirmation& confirmation) override;
  std::optional<std::string> ConfirmSetting(const SettingConfirmation& confirmation,
                                            const SettingTextCheck& check) override;
  bool ConfirmServer(const ServerConfirmation& confirmation) override;
  bool ConfirmTypeLibrary(const TypeLibConfirmation& confirmation) override;

  // ---- what a test looks at ----
  std::vector<FileConfirmation> files;
  std::vector<SettingConfirmation> settings;
  std::vector<ServerConfirmation> servers;
  std::vector<TypeLibConfirmation> typeLibraries;
  // The messages a setting dialog showed for texts it refused.
  std::vector<std::string> refusals;

 private:
  bool NextAnswer();

  Default fallback_;
  std::deque<bool> answers_;
  std::deque<SettingAnswer> settingAnswers_;
};

}  // namespace cvn
