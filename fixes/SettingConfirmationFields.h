// The fields of the setting confirmation (115) for one INI or Registry
// item, with the value it proposes.
#pragma once

#include "config/Items.h"
#include "config/RunContext.h"
#include "fixes/FixConfirmations.h"

namespace cvn {

SettingConfirmation MakeSettingConfirmation(RunContext& context, const SettingItem& item, SectionType type);

}  // namespace cvn
