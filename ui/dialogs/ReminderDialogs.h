// The reminders of the problem questions: restart Windows (103) and check
// the QuickTime Control Panel (104).
#pragma once

#include "config/Answers.h"
#include "config/RunContext.h"
#include "ui/DialogLogic.h"

namespace cvn {

class CRestartDialog : public DialogLogic {
 public:
  CRestartDialog(RunContext& context, const SavedAnswers& answers);
  void OnInitDialog(ControlSurface& surface) override;
  // "Restart Windows" saves the answers first, then ends the dialog.
  DialogEnd OnCommand(ControlSurface& surface, int id) override;

 private:
  RunContext& context_;
  const SavedAnswers& answers_;
};

class CQuickTimeDialog : public DialogLogic {
 public:
  CQuickTimeDialog();
  void OnInitDialog(ControlSurface& surface) override;
};

}  // namespace cvn
