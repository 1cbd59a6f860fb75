#include "ui/pages/TechSupportPages.h"

#include "resources/StringIds.h"
#include "resources/resource.h"
#include "ui/ContactBlock.h"

namespace cvn {
namespace {

void ShowContacts(WizardServices& wizard, ControlSurface& surface) {
  const ContactBlock block = BuildContactBlock(wizard.Database().GetSection(SectionId::VendorInfo),
                                               wizard.Context().machine.Texts());
  ShowContactBlock(surface, block, wizard.Fonts().smallBold);
}

}  // namespace

CTechSupportPage::CTechSupportPage(WizardServices& wizard)
    : SectionStartPage(wizard, IDD_TECH_SUPPORT, SectionButton::Never, SectionButton::WhenPossible) {}

bool CTechSupportPage::OnSetActive(ControlSurface& surface) {
  SectionStartPage::OnSetActive(surface);
  ShowContacts(wizard_, surface);
  return true;
}

CTechSupport1Page::CTechSupport1Page(WizardServices& wizard)
    : SectionStartPage(wizard, IDD_TECH_SUPPORT1, SectionButton::Never, SectionButton::WhenPossible) {}

UserFieldsPage::UserFieldsPage(WizardServices& wizard, int dialogId, std::initializer_list<UserField> fields)
    : WizardPage(wizard, dialogId), fields_(fields) {}

bool UserFieldsPage::OnSetActive(ControlSurface& surface) {
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.Fonts().pageTitle);
  for (const UserField& field : fields_) surface.SetText(field.control, wizard_.User().*field.field);
  return true;
}

bool UserFieldsPage::OnKillActive(ControlSurface& surface) {
  for (const UserField& field : fields_) wizard_.User().*field.field = surface.GetText(field.control);
  return true;
}

CTechSupport2Page::CTechSupport2Page(WizardServices& wizard)
    : UserFieldsPage(wizard, IDD_TECH_SUPPORT2,
                     {{IDC_USER_NAME, &UserInfo::userName},
                      {IDC_COMPANY_NAME, &UserInfo::companyName},
                      {IDC_ADDRESS1, &UserInfo::address1},
                      {IDC_ADDRESS2, &UserInfo::address2},
                      {IDC_ADDRESS3, &UserInfo::address3},
                      {IDC_PHONE, &UserInfo::phone},
                      {IDC_FAX, &UserInfo::fax},
                      {IDC_EMAIL, &UserInfo::email}}) {}

CTechSupport3Page::CTechSupport3Page(WizardServices& wizard)
    : UserFieldsPage(wizard, IDD_TECH_SUPPORT3,
                     {{IDC_PROBLEM_ID, &UserInfo::problemId},
                      {IDC_PROBLEM_DESC, &UserInfo::problemDesc}}) {}

bool CTechSupport3Page::OnSetActive(ControlSurface& surface) {
  surface.LimitText(IDC_PROBLEM_DESC, kDescriptionLimit);
  return UserFieldsPage::OnSetActive(surface);
}

bool CTechSupport3Page::OnKillActive(ControlSurface& surface) {
  if (surface.GetText(IDC_PROBLEM_DESC).size() > kDescriptionLimit) {
    auto& machine = wizard_.Context().machine;
    std::string text = machine.Texts().Load(IDS_TOO_MANY_CHARACTERS);
    const size_t at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(kDescriptionLimit));
    machine.Ask().MessageBox(text, platform::Buttons::Ok, platform::Icon::Warning);
    return false;
  }
  return UserFieldsPage::OnKillActive(surface);
}

CTechSupport4Page::CTechSupport4Page(WizardServices& wizard) : WizardPage(wizard, IDD_TECH_SUPPORT4) {}

bool CTechSupport4Page::OnSetActive(ControlSurface& surface) {
  SaveUserInfo(wizard_.Context(), wizard_.User());
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.Fonts().pageTitle);
  ShowContacts(wizard_, surface);
  return true;
}

}  // namespace cvn
