#include "ui/dialogs/ReminderDialogs.h"

#include "resources/resource.h"
#include "ui/Restart.h"

namespace cvn {
namespace {

const FontSpec kReminderHeading{"Arial", 10};

void ShowReminderLook(ControlSurface& surface) {
  surface.SetFont(IDC_HEADING, kReminderHeading);
  surface.SetIcon(IDC_PICTURE, icon::kSystemInformation);
}

}  // namespace

CRestartDialog::CRestartDialog(RunContext& context, const SavedAnswers& answers)
    : DialogLogic(IDD_RESTART_REMINDER), context_(context), answers_(answers) {}

void CRestartDialog::OnInitDialog(ControlSurface& surface) { ShowReminderLook(surface); }

DialogEnd CRestartDialog::OnCommand(ControlSurface& surface, int id) {
  if (id != IDC_RESTART_WINDOWS) return DialogLogic::OnCommand(surface, id);
  if (!ConfirmRestart(context_)) return DialogEnd::Stay;
  SaveAnswers(context_, answers_);
  surface.Show(0, false);  // 0: the dialog itself, hidden before Windows goes down
  RestartWindows(context_);
  return DialogEnd::Cancel;
}

CQuickTimeDialog::CQuickTimeDialog() : DialogLogic(IDD_QUICKTIME_REMINDER) {}

void CQuickTimeDialog::OnInitDialog(ControlSurface& surface) { ShowReminderLook(surface); }

}  // namespace cvn
