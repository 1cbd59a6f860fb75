#include "checks/SettingCheckList.h"

#include "config/ConfigDatabase.h"
#include "config/ItemStatus.h"

namespace cvn {

namespace {

std::string SettingName(const std::string& location) {
  const size_t last = location.rfind('\\');
  return last == std::string::npos ? location : location.substr(last + 1);
}

SectionId CategoryOf(const ConfigSection& settings) {
  return settings.Type() == SectionType::RegistrySetting ? SectionId::RegistryInfo : SectionId::IniInfo;
}

}  // namespace

int32_t ListSettings(RunContext& context, const ConfigSection& settings, const SettingTexts& texts,
                     ShowRows show, std::vector<SettingRow>& rows, int& problemCount) {
  if (texts.actionTexts == nullptr || texts.explanationTexts == nullptr) return platform::kEFail;
  for (size_t index = 0; index < settings.Count(); ++index) {
    SettingItem* item = settings.ItemAs<SettingItem>(index);
    if (item == nullptr) continue;
    SettingOutputs outputs;
    CheckSetting(context, *item, settings.Type(), texts, outputs);
    if (outputs.status != settingstatus::kOk) ++problemCount;
    const int level = ProblemLevel(*item);
    if (show == ShowRows::Problems && level <= 1) continue;
    RowData data;
    data.status = level;
    data.category = static_cast<int>(CategoryOf(settings));
    data.rowNumber = static_cast<int>(rows.size());
    data.itemIndex = static_cast<int>(index);
    data.hasDetails = true;
    data.canFix = outputs.status != settingstatus::kOk;
    rows.push_back({SettingName(item->Location()), outputs.actualValueText,
                    outputs.expectedValuesText, outputs.explanationText, data});
  }
  return platform::kSOk;
}

}  // namespace cvn
