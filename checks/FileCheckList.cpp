#include "checks/FileCheckList.h"

#include "checks/FileCheck.h"
#include "config/ItemStatus.h"
#include "checks/ItemChecks.h"

namespace cvn {

platform::HResult ListFiles(RunContext& context, const ConfigDatabase& database, SectionId section, ShowRows show,
                            std::vector<FileRow>& rows, int& problemCount) {
  const ConfigSection* files = KindOf(section) == SectionKind::File ? database.GetSection(section) : nullptr;
  if (files == nullptr || files->Count() == 0) return platform::kEFail;
  for (size_t index = 0; index < files->Count(); ++index) {
    FileItem* item = files->ItemAs<FileItem>(index);
    if (item == nullptr) continue;
    const FileCheckOutputs outputs = CheckItem(context, database, *item);
    const bool problem = outputs.result != filestatus::kOk;
    if (problem) ++problemCount;
    const int level = ProblemLevel(*item);
    if (!RowShown(show, level)) continue;
    RowData data = ListedRowData(level, section, static_cast<int>(rows.size()));
    // A folder finding is not repaired by copying a file over it; a file
    // that passed may still be copied again, over a damaged one.
    data.canFix = FileFixAllowed(outputs.result);
    rows.push_back({item->Name(), outputs.actualVersion, outputs.requiredVersion, outputs.notes, data});
  }
  return platform::kSOk;
}

}  // namespace cvn
