#include "checks/SettingCheck.h"

#include <optional>

#include "checks/SettingMatch.h"
#include "checks/SettingRead.h"
#include "config/ExpectedValues.h"
#include "config/ItemStatus.h"
#include "config/MessageText.h"
#include "config/SettingLocation.h"
#include "config/VisibleText.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

namespace regtype = platform::regtype;

// Whether the live value is shown and compared as a string or as data.
enum class ValueKind { String, Data };

std::string JoinTexts(std::string first, const std::string& second) {
  if (second.empty()) return first;
  if (first.empty()) return second;
  return first + "  " + second;
}

std::string LookUp(const ConfigSection* section, const std::string& key) {
  const std::string* value = FindValue(section, key);
  return value ? *value : std::string();
}

// The values are shown with their control characters named, so that a tab
// or a line end in a value reads the same on the pages and in the report.
std::string DisplayText(platform::Strings& strings, const std::string& live, ValueKind kind) {
  if (live.empty()) return strings.Load(IDS_BLANK);
  std::string shown = VisibleText(live);
  if (kind == ValueKind::String) shown.insert(0, 1, '"').push_back('"');
  return shown;
}

// The live value beside the one acceptable value, for status 4.
std::string ExpectedDisplayText(platform::Strings& strings, const std::string& live,
                                const std::string& acceptable, ValueKind kind) {
  const std::string shownAcceptable = VisibleText(acceptable);
  if (live.empty()) return LoadText(strings, IDS_BLANK_EXPECTED, {shownAcceptable});
  const int id = kind == ValueKind::String ? IDS_EXPECTED_STRING : IDS_EXPECTED_OTHER;
  return LoadText(strings, id, {VisibleText(live), shownAcceptable});
}

int Judge(RunContext& context, const SettingItem& item, const LiveValue& live) {
  switch (MatchSetting(context, item, live)) {
    case MatchResult::Accepted: return settingstatus::kOk;
    case MatchResult::Blank: return settingstatus::kBlank;
    case MatchResult::NotAccepted: break;
  }
  return settingstatus::kNotAcceptable;
}

// The action text: the status's own text, then (INI) or instead of it
// (Registry) the vendor's text under the item's action key.
std::string ActionText(platform::Strings& strings, const SettingItem& item, SectionType type,
                       const SettingTexts& texts) {
  const int ownId = SettingActionTextId(item.status, type);
  const std::string own = ownId != 0 ? strings.Load(ownId) : std::string();
  const std::string vendor = LookUp(texts.actionTexts, item.actionKey);
  if (type == SectionType::IniSetting) return JoinTexts(own, vendor);
  return ownId != 0 ? own : vendor;
}

std::string ExplanationText(platform::Strings& strings, const SettingItem& item,
                            const SettingTexts& texts) {
  std::string text = LookUp(texts.explanationTexts, item.explanationKey);
  if (!item.required) text = JoinTexts(text, strings.Load(IDS_SETTING_NOT_REQUIRED));
  return text;
}

// Fills the result part of the item from its status and live value.
void Compose(RunContext& context, SettingItem& item, SectionType type, const SettingTexts& texts,
             ValueKind kind) {
  platform::Strings& strings = context.machine.Texts();
  item.actualDisplayText = DisplayText(strings, item.actualValueText, kind);
  if (item.status == settingstatus::kNotAcceptable && item.expectedValues.size() == 1) {
    item.actualDisplayText =
        ExpectedDisplayText(strings, item.actualValueText, item.expectedValues.front(), kind);
  }
  item.actionText.clear();
  item.explanationText.clear();
  if (item.status == settingstatus::kOk) return;
  item.actionText = ActionText(strings, item, type, texts);
  item.explanationText = ExplanationText(strings, item, texts);
}

void CopyOutputs(RunContext& context, const SettingItem& item, SettingOutputs& outputs) {
  outputs.actualDisplayText = item.actualDisplayText;
  outputs.actualValueText = item.actualValueText;
  outputs.expectedValuesText = FormatExpectedValues(context, item.valueText);
  outputs.actionText = item.actionText;
  outputs.explanationText = item.explanationText;
  outputs.status = item.status;
}

// Drops what an earlier check of the item read.
void ResetRegistryData(SettingItem& item) {
  item.rawData.clear();
  item.dataSize = 0;
  item.dataType = regtype::kString;
  item.readType = regtype::kString;
}

// Reads and judges the Registry value; returns how it is shown.
ValueKind MeasureRegistry(RunContext& context, SettingItem& item) {
  const std::optional<RegistryLocation> location = ParseRegistryLocation(item.Location());
  ResetRegistryData(item);
  if (!location) {
    item.status = settingstatus::kInvalid;
    return ValueKind::String;
  }
  RegistryReading reading = ReadRegistryValue(context.machine.Reg(), *location);
  item.actualValueText = reading.text;
  if (reading.result == RegistryReadResult::NotFound) {
    item.status = settingstatus::kNotFound;
    return ValueKind::String;
  }
  if (reading.result == RegistryReadResult::UnhandledType) {
    // The data is not kept, but its type is, for a fix to write it back.
    item.dataType = regtype::kNone;
    item.readType = reading.type;
    item.status = settingstatus::kUnhandledType;
    return ValueKind::Data;
  }
  item.dataType = reading.type;
  item.readType = reading.type;
  item.dataSize = static_cast<uint32_t>(reading.data.size());
  item.rawData = std::move(reading.data);
  LiveValue live{reading.text, std::nullopt};
  if (reading.type != regtype::kString) live.data = item.rawData;
  item.status = Judge(context, item, live);
  return reading.type == regtype::kString ? ValueKind::String : ValueKind::Data;
}

}  // namespace

void CheckIniSetting(RunContext& context, SettingItem& item, const SettingTexts& texts, SettingOutputs& outputs) {
  if (!item.checked) {
    item.actualValueText.clear();
    const std::optional<IniLocation> location = ParseIniLocation(item.Location());
    if (location) {
      item.actualValueText = ReadIniValue(context, *location);
      item.status = Judge(context, item, LiveValue{item.actualValueText, std::nullopt});
    } else {
      item.status = settingstatus::kInvalid;
    }
    Compose(context, item, SectionType::IniSetting, texts, ValueKind::String);
    item.checked = true;
  }
  CopyOutputs(context, item, outputs);
}

void CheckRegistrySetting(RunContext& context, SettingItem& item, const SettingTexts& texts, SettingOutputs& outputs) {
  if (!item.checked) {
    item.actualValueText.clear();
    const ValueKind kind = MeasureRegistry(context, item);
    Compose(context, item, SectionType::RegistrySetting, texts, kind);
    item.checked = true;
  }
  CopyOutputs(context, item, outputs);
}

void CheckSetting(RunContext& context, SettingItem& item, SectionType type, const SettingTexts& texts,
                  SettingOutputs& outputs) {
  if (type == SectionType::RegistrySetting) return CheckRegistrySetting(context, item, texts, outputs);
  CheckIniSetting(context, item, texts, outputs);
}

}  // namespace cvn
