#include "fixes/SettingConfirmationFields.h"

#include "config/PathSpec.h"
#include "config/SettingLocation.h"
#include "config/TextCase.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

constexpr int kIniIcon = 648;
constexpr int kRegistryIcon = 643;

// An allowed value as it would be written: a path in location notation is
// expanded.
std::string Allowed(RunContext& context, const std::string& value) {
  return LooksLikePath(value) ? PathSpec(context, value).Text() : value;
}

std::string Proposal(RunContext& context, const SettingItem& item) {
  if (item.expectedValues.empty()) return "";
  const std::string first = Allowed(context, item.expectedValues.front());
  // "{x}" asks for a value that contains x: keep what is there and add it.
  if (!item.valueText.empty() && item.valueText.front() == '{') return item.actualValueText + " " + first;
  return first == "*" ? std::string() : first;
}

void SplitName(const SettingItem& item, SectionType type, SettingConfirmation& fields) {
  if (type == SectionType::IniSetting) {
    if (const auto location = ParseIniLocation(item.Location())) {
      fields.firstPart = location->file;
      fields.secondPart = location->section;
      fields.valueName = location->key;
    }
  } else if (const auto location = ParseRegistryLocation(item.Location())) {
    fields.firstPart = location->rootName;
    fields.secondPart = location->subKey;
    fields.valueName = location->valueName;
  }
}

}  // namespace

void ProposeEarlierValue(SettingConfirmation& fields, const std::string& earlier) {
  fields.proposal = earlier;
  bool listed = false;
  for (const std::string& choice : fields.choices) {
    if (EqualsNoCase(choice, earlier)) {
      fields.proposal = choice;
      listed = true;
    }
  }
  if (!listed) {
    fields.useList = false;
    fields.choices.clear();
  }
}

SettingConfirmation MakeSettingConfirmation(RunContext& context, const SettingItem& item, SectionType type) {
  platform::Strings& texts = context.machine.Texts();
  const bool ini = type == SectionType::IniSetting;
  SettingConfirmation fields;
  fields.caption = texts.Load(ini ? IDS_CONFIRM_INI_CAPTION : IDS_CONFIRM_REGISTRY_CAPTION);
  fields.icon = ini ? kIniIcon : kRegistryIcon;
  fields.firstLabel = texts.Load(ini ? IDS_FILE_LABEL : IDS_KEY_LABEL);
  fields.secondLabel = texts.Load(ini ? IDS_SECTION_LABEL : IDS_SUBKEY_LABEL);
  SplitName(item, type, fields);
  fields.actual = item.actualDisplayText;
  fields.proposal = Proposal(context, item);
  fields.useList = item.expectedValues.size() > 1;
  if (fields.useList) {
    for (const auto& value : item.expectedValues) fields.choices.push_back(Allowed(context, value));
  }
  return fields;
}

}  // namespace cvn
