#include "checks/ItemChecks.h"

namespace cvn {

FileCheckOutputs CheckItem(RunContext& context, const ConfigDatabase& database, FileItem& item) {
  FileCheckOutputs outputs;
  CheckFile(context, item, database.FindFileInfo(item.Name()), outputs, database.appWin32);
  return outputs;
}

SettingOutputs CheckItem(RunContext& context, const ConfigDatabase& database, SettingItem& item,
                         SectionType type) {
  SettingOutputs outputs;
  CheckSetting(context, item, type, SettingTextsOf(database), outputs);
  return outputs;
}

SettingTexts SettingTextsOf(const ConfigDatabase& database) {
  return {database.GetSection(SectionId::ActionTextInfo), database.GetSection(SectionId::ExplanationTextInfo)};
}

}  // namespace cvn
