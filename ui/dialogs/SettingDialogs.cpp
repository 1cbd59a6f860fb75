#include "ui/dialogs/SettingDialogs.h"

#include <utility>

#include "config/ExpectedValues.h"
#include "config/ItemStatus.h"
#include "fixes/SettingConfirmationFields.h"
#include "resources/StringIds.h"
#include "resources/resource.h"
#include "ui/dialogs/ItemFields.h"

namespace cvn {

namespace {

// Caption, icon, the two name labels and the three parts of the name.
void ShowSettingHead(ControlSurface& surface, const SettingConfirmation& head) {
  surface.SetText(0, head.caption);
  surface.SetIcon(IDC_PICTURE, head.icon);
  surface.SetText(IDC_NAME_LABEL1, head.firstLabel);
  surface.SetText(IDC_NAME_LABEL2, head.secondLabel);
  ShowValue(surface, IDC_ITEM_NAME, head.firstPart, true);
  surface.SetText(IDC_ITEM_SUBNAME, head.secondPart);
  surface.SetText(IDC_VALUE_NAME, head.valueName);
}

void UseControl(ControlSurface& surface, int id, bool used) {
  surface.Enable(id, used);
  surface.Show(id, used);
}

}  // namespace

SettingDetails MakeSettingDetails(RunContext& context, const SettingItem& item, SectionType type,
                                  bool noAdvice) {
  SettingDetails fields;
  fields.head = MakeSettingConfirmation(context, item, type);
  fields.head.caption = context.machine.Texts().Load(type == SectionType::IniSetting ? IDS_INI_DETAILS_CAPTION
                                                                                     : IDS_REGISTRY_DETAILS_CAPTION);
  fields.expected = FormatExpectedValues(context, item.valueText);
  fields.problem = item.status != settingstatus::kOk;
  fields.suggestedAction = item.actionText;
  fields.adviceEnabled = !noAdvice && !item.actionText.empty();
  return fields;
}

CSettingDetailsDialog::CSettingDetailsDialog(SettingDetails fields)
    : DialogLogic(IDD_SETTING_DETAILS), fields_(std::move(fields)) {}

void CSettingDetailsDialog::OnInitDialog(ControlSurface& surface) {
  ShowSettingHead(surface, fields_.head);
  ShowValue(surface, IDC_ACTUAL_DATA, fields_.head.actual, fields_.problem);
  ShowValue(surface, IDC_EXPECTED_DATA, fields_.expected, fields_.problem);
  ShowSuggestedAction(surface, fields_.suggestedAction, fields_.adviceEnabled);
}

CSettingConfirmDialog::CSettingConfirmDialog(const SettingConfirmation& fields,
                                             const SettingTextCheck& check, platform::Prompts& prompts)
    : DialogLogic(IDD_CONFIRM_SETTING_FIX), fields_(fields), check_(check), prompts_(prompts) {}

void CSettingConfirmDialog::OnInitDialog(ControlSurface& surface) {
  ShowSettingHead(surface, fields_);
  surface.SetText(IDC_ACTUAL_DATA, fields_.actual);
  UseControl(surface, IDC_NEW_VALUE_LIST, fields_.useList);
  UseControl(surface, IDC_NEW_VALUE_EDIT, !fields_.useList);
  if (fields_.useList) {
    for (const auto& choice : fields_.choices) surface.AddLine(IDC_NEW_VALUE_LIST, choice);
  }
  surface.SetText(fields_.useList ? IDC_NEW_VALUE_LIST : IDC_NEW_VALUE_EDIT, fields_.proposal);
}

DialogEnd CSettingConfirmDialog::OnCommand(ControlSurface& surface, int id) {
  if (id != kIdOk) return DialogLogic::OnCommand(surface, id);
  std::string text = surface.GetText(fields_.useList ? IDC_NEW_VALUE_LIST : IDC_NEW_VALUE_EDIT);
  if (text.size() > kMaxValue) text.resize(kMaxValue);
  if (check_) {
    const std::string refusal = check_(text);
    if (!refusal.empty()) {
      prompts_.MessageBox(refusal, platform::Buttons::Ok, platform::Icon::Warning);
      return DialogEnd::Stay;
    }
  }
  value_ = std::move(text);
  return DialogEnd::Ok;
}

}  // namespace cvn
