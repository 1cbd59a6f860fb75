// The INI and Registry setting dialogs: the details (114) and the fix
// confirmation (115), which proposes a value, offers the acceptable ones
// and keeps the text the user confirms.
#pragma once

#include <string>

#include "config/Items.h"
#include "config/RunContext.h"
#include "fixes/FixConfirmations.h"
#include "platform/Prompts.h"
#include "ui/DialogLogic.h"

namespace cvn {

struct SettingDetails {
  // Caption, icon, name labels and the split name, as the confirmation
  // shows them; `head.caption` is the details caption.
  SettingConfirmation head;
  std::string expected;  // 1248, the display form of the expected values
  bool problem = false;  // 1247 and 1248 in bold
  std::string suggestedAction;
  bool adviceEnabled = false;
};

// `noAdvice` disables the suggested action, as the recent-changes list asks.
SettingDetails MakeSettingDetails(RunContext& context, const SettingItem& item, SectionType type,
                                  bool noAdvice);

class CSettingDetailsDialog : public DialogLogic {
 public:
  explicit CSettingDetailsDialog(SettingDetails fields);
  void OnInitDialog(ControlSurface& surface) override;

 private:
  SettingDetails fields_;
};

class CSettingConfirmDialog : public DialogLogic {
 public:
  // The longest text the dialog keeps for the repair.
  static constexpr size_t kMaxValue = 259;

  // `check` judges the confirmed text; a refusal goes to `prompts` and the
  // dialog stays open.
  CSettingConfirmDialog(const SettingConfirmation& fields, const SettingTextCheck& check,
                        platform::Prompts& prompts);
  void OnInitDialog(ControlSurface& surface) override;
  DialogEnd OnCommand(ControlSurface& surface, int id) override;

  // The text confirmed with Yes.
  const std::string& Value() const { return value_; }

 private:
  const SettingConfirmation& fields_;
  const SettingTextCheck& check_;
  platform::Prompts& prompts_;
  std::string value_;
};

}  // namespace cvn
