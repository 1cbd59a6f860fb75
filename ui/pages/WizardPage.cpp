#include "ui/pages/WizardPage.h"

#include "resources/resource.h"
#include "ui/CCVNWizard.h"

namespace cvn {

bool WizardPage::OnSetActive(ControlSurface&) {
  wizard_.UpdateWizardButtons(*this);
  return true;
}

bool SectionStartPage::OnSetActive(ControlSurface& surface) {
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.sectionTitleFont);
  surface.Enable(IDC_SKIP_SECTION, skip_ == SectionButton::WhenPossible &&
                                       wizard_.SkipSection(*this, false) == platform::kSOk);
  surface.Enable(IDC_LAST_SECTION, last_ == SectionButton::WhenPossible &&
                                       wizard_.LastSection(*this, false) == platform::kSOk);
  return true;
}

void SectionStartPage::OnCommand(ControlSurface&, int id) {
  if (id == IDC_SKIP_SECTION && skip_ == SectionButton::WhenPossible) wizard_.SkipSection(*this, true);
  if (id == IDC_LAST_SECTION && last_ == SectionButton::WhenPossible) wizard_.LastSection(*this, true);
}

}  // namespace cvn
