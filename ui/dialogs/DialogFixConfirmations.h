// The confirmations of the repairs as modal dialogs over the UI host: the
// real dialogs in the Windows build, recorded ones in host runs.
#pragma once

#include "fixes/FixConfirmations.h"
#include "platform/Prompts.h"
#include "ui/UiHost.h"

namespace cvn {

class DialogFixConfirmations final : public FixConfirmations {
 public:
  // `prompts` shows why a confirmed setting text was refused.
  DialogFixConfirmations(UiHost& host, platform::Prompts& prompts) : host_(host), prompts_(prompts) {}

  bool ConfirmFile(const FileConfirmation& confirmation) override;
  std::optional<std::string> ConfirmSetting(const SettingConfirmation& confirmation,
                                            const SettingTextCheck& check) override;
  bool ConfirmServer(const ServerConfirmation& confirmation) override;
  bool ConfirmTypeLibrary(const TypeLibConfirmation& confirmation) override;

 private:
  UiHost& host_;
  platform::Prompts& prompts_;
};

}  // namespace cvn
