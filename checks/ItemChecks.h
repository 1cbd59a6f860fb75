// The check of one item with what the database gives it: the file
// information of a file, the action and explanation texts of a setting.
// Every caller (the lists, the report, the repairs, the usage database,
// cvntool) checks an item this way.
#pragma once

#include "checks/FileCheck.h"
#include "checks/SettingCheck.h"
#include "config/ConfigDatabase.h"

namespace cvn {

FileCheckOutputs CheckItem(RunContext& context, const ConfigDatabase& database, FileItem& item);
SettingOutputs CheckItem(RunContext& context, const ConfigDatabase& database, SettingItem& item,
                         SectionType type);

// The database's two text sections that the setting checks read.
SettingTexts SettingTextsOf(const ConfigDatabase& database);

}  // namespace cvn
