// The fields of the setting confirmation (115) for one INI or Registry
// item, with the value it proposes.
#pragma once

#include "config/Items.h"
#include "config/RunContext.h"
#include "fixes/FixConfirmations.h"

namespace cvn {

SettingConfirmation MakeSettingConfirmation(RunContext& context, const SettingItem& item, SectionType type);

// A revert's confirmation proposes the value recorded before the change:
// chosen in the list when it is one of the allowed values, else in the edit
// box.
void ProposeEarlierValue(SettingConfirmation& fields, const std::string& earlier);

}  // namespace cvn
