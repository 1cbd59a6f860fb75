// The checks of the items the usage database records, with what the
// database gives them: the file information and the text sections.
#pragma once

#include "checks/FileCheck.h"
#include "checks/SettingCheck.h"
#include "config/ConfigDatabase.h"

namespace cvn {

FileCheckOutputs CheckRecordedFile(RunContext& context, const ConfigDatabase& database, FileItem& item);
SettingOutputs CheckRecordedSetting(RunContext& context, const ConfigDatabase& database, SettingItem& item,
                                    SectionType type);

}  // namespace cvn
