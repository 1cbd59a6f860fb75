#include "usage/ItemChecks.h"

namespace cvn {

FileCheckOutputs CheckRecordedFile(RunContext& context, const ConfigDatabase& database, FileItem& item) {
  FileCheckOutputs outputs;
  CheckFile(context, item, database.FindFileInfo(item.Name()), outputs, database.appWin32);
  return outputs;
}

SettingOutputs CheckRecordedSetting(RunContext& context, const ConfigDatabase& database, SettingItem& item,
                                    SectionType type) {
  const SettingTexts texts{database.GetSection(SectionId::ActionTextInfo),
                           database.GetSection(SectionId::ExplanationTextInfo)};
  SettingOutputs outputs;
  CheckSetting(context, item, type, texts, outputs);
  return outputs;
}

}  // namespace cvn
