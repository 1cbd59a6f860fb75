// How to Contact Technical Support: the vendor's contacts alone, or the
// user's details and the problem first.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "config/Answers.h"
#include "ui/pages/WizardPage.h"

namespace cvn {

class CTechSupportPage : public SectionStartPage {
 public:
  explicit CTechSupportPage(WizardServices& wizard);
  bool OnSetActive(ControlSurface& surface) override;
};

class CTechSupport1Page : public SectionStartPage {
 public:
  explicit CTechSupport1Page(WizardServices& wizard);
};

// Edits exchanged with fields of UserInfo, by control number.
struct UserField {
  int control;
  std::string UserInfo::*field;
};

class UserFieldsPage : public WizardPage {
 public:
  UserFieldsPage(WizardServices& wizard, int dialogId, std::initializer_list<UserField> fields);
  bool OnSetActive(ControlSurface& surface) override;
  bool OnKillActive(ControlSurface& surface) override;

 private:
  std::vector<UserField> fields_;
};

class CTechSupport2Page : public UserFieldsPage {
 public:
  explicit CTechSupport2Page(WizardServices& wizard);
};

// The problem description holds at most 2048 characters: the edit takes no
// more while the user types, and a longer one loaded from the answers file
// is refused with the standard message when leaving, and the page stays.
class CTechSupport3Page : public UserFieldsPage {
 public:
  static constexpr size_t kDescriptionLimit = 2048;
  explicit CTechSupport3Page(WizardServices& wizard);
  bool OnSetActive(ControlSurface& surface) override;
  bool OnKillActive(ControlSurface& surface) override;
};

class CTechSupport4Page : public WizardPage {
 public:
  explicit CTechSupport4Page(WizardServices& wizard);
  // Saves the user's details, then shows the contacts.
  bool OnSetActive(ControlSurface& surface) override;
};

}  // namespace cvn
