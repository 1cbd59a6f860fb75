#include "ui/pages/RetryPage.h"

#include "resources/resource.h"
#include "ui/Restart.h"

namespace cvn {

bool RetryPage::OnSetActive(ControlSurface& surface) {
  if (!CanBecomeActive()) return false;
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.Fonts().pageTitle);
  const bool restart = PendingRestart() > 0;
  surface.SetIcon(IDC_PICTURE, restart ? icon::kSystemStop : icon::kSystemExclamation);
  surface.Show(IDC_RESTART_TEXT, restart);
  surface.Show(IDC_RESTART_WINDOWS, restart);
  return true;
}

void RetryPage::OnCommand(ControlSurface&, int id) {
  if (id == IDC_RESTART_WINDOWS && ConfirmRestart(wizard_.Context())) RestartWindows(wizard_.Context());
}

int RetryPage::Made() const {
  const FixCounters& counted = wizard_.Counters();
  return counted_ == FixMode::Fix ? counted.fixesMade : counted.revertsMade;
}

int RetryPage::PendingRestart() const {
  const FixCounters& counted = wizard_.Counters();
  return counted_ == FixMode::Fix ? counted.fixesPendingRestart : counted.revertsPendingRestart;
}

}  // namespace cvn
