#include "checks/SettingCheckList.h"

#include <optional>

#include "config/ConfigDatabase.h"
#include "config/ItemStatus.h"
#include "config/SettingLocation.h"

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

platform::HResult ListSettings(RunContext& context, const ConfigSection& settings, const SettingTexts& texts,
                               ShowRows show, std::vector<SettingRow>& rows, int& problemCount) {
  for (size_t index = 0; index < settings.Count(); ++index) {
    SettingItem* item = settings.ItemAs<SettingItem>(index);
    if (item == nullptr) continue;
    SettingOutputs outputs;
    CheckSetting(context, *item, settings.Type(), texts, outputs);
    if (outputs.status != settingstatus::kOk) ++problemCount;
    const int level = ProblemLevel(*item);
    if (!RowShown(show, level)) continue;
    RowData data = ListedRowData(level, CategoryOf(settings), static_cast<int>(rows.size()));
    data.itemIndex = static_cast<int>(index);
    data.canFix = outputs.status != settingstatus::kOk;
    rows.push_back({SettingName(item->Location()), outputs.actualValueText,
                    outputs.expectedValuesText, outputs.explanationText, data});
  }
  return platform::kSOk;
}

std::string SettingFullName(const SettingItem& item, SectionType type) {
  if (type == SectionType::RegistrySetting) return item.Location();
  const std::optional<IniLocation> ini = ParseIniLocation(item.Location());
  if (!ini) return item.Location();
  return ini->file + " [" + ini->section + "] " + ini->key;
}

}  // namespace cvn
