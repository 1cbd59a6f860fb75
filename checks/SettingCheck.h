// The INI and Registry checks: read the live value of one expected setting,
// judge it against the acceptable values and compose the texts the pages,
// fixes, usage database and report show. Outputs are cached in the item.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/ConfigSection.h"
#include "config/Items.h"
#include "config/RunContext.h"

namespace cvn {

struct SettingOutputs {
  std::string actualDisplayText;   // "[blank]", the quoted string, or the data as text
  std::string actualValueText;     // the raw live value
  std::string expectedValuesText;  // the display form of the expected values
  std::string actionText;
  std::string explanationText;
  int status = 0;
};

// The two text sections the checks take their action and explanation from;
// either may be null.
struct SettingTexts {
  const ConfigSection* actionTexts = nullptr;
  const ConfigSection* explanationTexts = nullptr;
};

// A checked item only gives its cached outputs.
void CheckIniSetting(RunContext& context, SettingItem& item, const SettingTexts& texts, SettingOutputs& outputs);
void CheckRegistrySetting(RunContext& context, SettingItem& item, const SettingTexts& texts, SettingOutputs& outputs);

// The check of the section type: CheckRegistrySetting for Registry
// settings, CheckIniSetting otherwise.
void CheckSetting(RunContext& context, SettingItem& item, SectionType type, const SettingTexts& texts,
                  SettingOutputs& outputs);

}  // namespace cvn
