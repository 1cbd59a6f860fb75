// The retry page that ends the configuration and the recent-changes
// sections.
#pragma once

#include "ui/pages/WizardPage.h"

namespace cvn {

// "Retry the Application Now": shown only when the fixes (or the reverts)
// took effect, with the restart advice when some wait for a restart.
class RetryPage : public WizardPage {
 public:
  RetryPage(WizardServices& wizard, int dialogId, FixMode counted)
      : WizardPage(wizard, dialogId), counted_(counted) {}
  // Once a change took effect, or waits for the restart (which it offers).
  bool CanBecomeActive() const override { return Made() > 0 || PendingRestart() > 0; }
  bool OnSetActive(ControlSurface& surface) override;
  void OnCommand(ControlSurface& surface, int id) override;

 private:
  int Made() const;
  int PendingRestart() const;

  FixMode counted_;
};

}  // namespace cvn
