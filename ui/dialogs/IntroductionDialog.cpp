#include "ui/dialogs/IntroductionDialog.h"

#include "resources/resource.h"

namespace cvn {

CIntroDialog::CIntroDialog(std::string appName, int showNextTime)
    : DialogLogic(IDD_INTRODUCTION), appName_(std::move(appName)), showNextTime_(showNextTime) {}

void CIntroDialog::OnInitDialog(ControlSurface& surface) {
  surface.SetFont(IDC_HEADING, FontSpec{"Arial", 13});
  surface.SetText(IDC_APP_NAME, appName_);
  surface.SetFont(IDC_APP_NAME, FontSpec{"Arial", 10, true, true});
  surface.SetCheck(IDC_SHOW_NEXT_TIME, showNextTime_ != 0);
}

DialogEnd CIntroDialog::OnCommand(ControlSurface& surface, int id) {
  if (id != kIdOk) return DialogEnd::Stay;
  showNextTime_ = surface.GetCheck(IDC_SHOW_NEXT_TIME) ? 1 : 0;
  return DialogEnd::Ok;
}

}  // namespace cvn
