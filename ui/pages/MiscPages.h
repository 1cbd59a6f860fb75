// When All Else Fails: general advice, one page per kind, and the Read Me.
#pragma once

#include "ui/pages/WizardPage.h"

namespace cvn {

class CMisc1Page : public SectionStartPage {
 public:
  explicit CMisc1Page(WizardServices& wizard);
};

// An advice page: the heading in the page title font and the system's
// information icon.
class AdvicePage : public WizardPage {
 public:
  using WizardPage::WizardPage;
  bool OnSetActive(ControlSurface& surface) override;
};

class CMisc2Page : public AdvicePage {
 public:
  explicit CMisc2Page(WizardServices& wizard);
  // "&Show Read Me" is disabled when no Read Me file is named.
  bool OnSetActive(ControlSurface& surface) override;
  void OnCommand(ControlSurface& surface, int id) override;
};

class CMisc3Page : public AdvicePage {
 public:
  explicit CMisc3Page(WizardServices& wizard);
};
class CMisc3PageNT : public AdvicePage {
 public:
  explicit CMisc3PageNT(WizardServices& wizard);
};
class CMisc4Page : public AdvicePage {
 public:
  explicit CMisc4Page(WizardServices& wizard);
};
class CMisc4PageNT : public AdvicePage {
 public:
  explicit CMisc4PageNT(WizardServices& wizard);
};
class CMisc5Page : public AdvicePage {
 public:
  explicit CMisc5Page(WizardServices& wizard);
};

}  // namespace cvn
