#include "ui/pages/MiscPages.h"

#include "resources/resource.h"
#include "ui/ReadMe.h"

namespace cvn {

CMisc1Page::CMisc1Page(WizardServices& wizard)
    : SectionStartPage(wizard, IDD_MISC1, SectionButton::WhenPossible, SectionButton::WhenPossible) {}

bool AdvicePage::OnSetActive(ControlSurface& surface) {
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.Fonts().pageTitle);
  surface.SetIcon(IDC_PICTURE, icon::kSystemInformation);
  return true;
}

CMisc2Page::CMisc2Page(WizardServices& wizard) : AdvicePage(wizard, IDD_MISC2) {}

bool CMisc2Page::OnSetActive(ControlSurface& surface) {
  AdvicePage::OnSetActive(surface);
  surface.Enable(IDC_SHOW_README, ReadMeNamed(wizard_.ReadMe().file));
  return true;
}

void CMisc2Page::OnCommand(ControlSurface&, int id) {
  if (id == IDC_SHOW_README) ShowReadMe(wizard_.Context(), wizard_.ReadMe().viewer, wizard_.ReadMe().file);
}

CMisc3Page::CMisc3Page(WizardServices& wizard) : AdvicePage(wizard, IDD_MISC3) {}
CMisc3PageNT::CMisc3PageNT(WizardServices& wizard) : AdvicePage(wizard, IDD_MISC3_NT) {}
CMisc4Page::CMisc4Page(WizardServices& wizard) : AdvicePage(wizard, IDD_MISC4) {}
CMisc4PageNT::CMisc4PageNT(WizardServices& wizard) : AdvicePage(wizard, IDD_MISC4_NT) {}
CMisc5Page::CMisc5Page(WizardServices& wizard) : AdvicePage(wizard, IDD_MISC5) {}

}  // namespace cvn
