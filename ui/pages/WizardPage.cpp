#include "ui/pages/WizardPage.h"

#include "resources/resource.h"

namespace cvn {

bool WizardPage::OnSetActive(ControlSurface&) {
  wizard_.UpdateWizardButtons(*this);
  return true;
}

bool SectionStartPage::OnSetActive(ControlSurface& surface) {
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.Fonts().sectionTitle);
  surface.Enable(IDC_SKIP_SECTION, skip_ == SectionButton::WhenPossible &&
                                       wizard_.SkipSection(*this, SectionMove::Ask) == platform::kSOk);
  surface.Enable(IDC_LAST_SECTION, last_ == SectionButton::WhenPossible &&
                                       wizard_.LastSection(*this, SectionMove::Ask) == platform::kSOk);
  return true;
}

void SectionStartPage::OnCommand(ControlSurface&, int id) {
  if (id == IDC_SKIP_SECTION && skip_ == SectionButton::WhenPossible)
    static_cast<void>(wizard_.SkipSection(*this, SectionMove::Go));
  if (id == IDC_LAST_SECTION && last_ == SectionButton::WhenPossible)
    static_cast<void>(wizard_.LastSection(*this, SectionMove::Go));
}

}  // namespace cvn
