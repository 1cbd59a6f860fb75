// The base of every page of the wizard: it knows the services of its sheet, and the section
// start pages share the handling of "&Skip Section >" and "< &Last Section".
#pragma once

#include "ui/PageLogic.h"
#include "ui/WizardServices.h"

namespace cvn {

class WizardPage : public PageLogic {
 public:
  WizardPage(WizardServices& wizard, int dialogId) : PageLogic(dialogId), wizard_(wizard) {}

  // Every page updates the wizard buttons when it becomes active.
  bool OnSetActive(ControlSurface& surface) override;

 protected:
  WizardServices& wizard_;
};

// How a section start page treats one of its two section buttons.
enum class SectionButton {
  WhenPossible,  // enabled when there is a section to go to
  Never,         // always disabled, and without a handler
};

class SectionStartPage : public WizardPage {
 public:
  SectionStartPage(WizardServices& wizard, int dialogId, SectionButton skip, SectionButton last)
      : WizardPage(wizard, dialogId), skip_(skip), last_(last) {}

  // Updates the buttons, puts the heading in the section title font and
  // disables the section buttons that lead nowhere.
  bool OnSetActive(ControlSurface& surface) override;
  void OnCommand(ControlSurface& surface, int id) override;

 private:
  SectionButton skip_;
  SectionButton last_;
};

}  // namespace cvn
