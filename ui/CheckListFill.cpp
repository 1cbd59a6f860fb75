#include "ui/CheckListFill.h"

#include <memory>
#include <string>
#include <vector>

#include "checks/FileCheckList.h"
#include "checks/ItemChecks.h"
#include "checks/RegistrationList.h"
#include "checks/Requirements.h"
#include "checks/SettingCheckList.h"
#include "util/ListHelpers.h"

namespace cvn {

namespace {

void AddRow(ListSurface& list, const RowData& data, const std::vector<const std::string*>& columns) {
  const int index = list.ItemCount();
  list.InsertItem(index, *columns.front(), data.status, std::make_unique<RowData>(data));
  for (size_t column = 1; column < columns.size(); ++column) {
    list.SetItemText(index, static_cast<int>(column), *columns[column]);
  }
}

platform::HResult FillFiles(RunContext& context, const ConfigDatabase& database, SectionId category, ShowRows show,
                            ListSurface& list, int& problemCount) {
  std::vector<FileRow> rows;
  const platform::HResult status = ListFiles(context, database, category, show, rows, problemCount);
  for (const FileRow& row : rows) {
    AddRow(list, row.data, {&row.name, &row.actualVersion, &row.requiredVersion, &row.notes});
  }
  return status;
}

platform::HResult FillSettings(RunContext& context, const ConfigDatabase& database, SectionId category, ShowRows show,
                               ListSurface& list, int& problemCount) {
  const ConfigSection& settings = *database.GetSection(category);
  if (settings.Count() == 0) return platform::kEFail;
  std::vector<SettingRow> rows;
  const platform::HResult status = ListSettings(context, settings, SettingTextsOf(database), show, rows, problemCount);
  for (const SettingRow& row : rows) {
    AddRow(list, row.data, {&row.name, &row.liveValue, &row.expectedValues, &row.explanation});
  }
  return status;
}

platform::HResult FillRegistrations(RunContext& context, const ConfigDatabase& database, SectionId category,
                                    ShowRows show, ListSurface& list, int& problemCount) {
  std::vector<RegistrationRow> rows;
  const platform::HResult status = ListRegistrations(context, database, category, show, rows, problemCount);
  for (const RegistrationRow& row : rows) AddRow(list, row.data, {&row.name, &row.file, &row.problemText});
  return status;
}

}  // namespace

platform::HResult FillCheckList(RunContext& context, const ConfigDatabase& database, SectionId category, ShowRows show,
                                ListSurface& list, int& problemCount) {
  ClearList(list);
  problemCount = 0;
  switch (KindOf(category)) {
    case SectionKind::Requirements:
      return CompareRequirements(context, database, list, show == ShowRows::All, problemCount);
    case SectionKind::File:
      return FillFiles(context, database, category, show, list, problemCount);
    case SectionKind::Setting:
      return FillSettings(context, database, category, show, list, problemCount);
    case SectionKind::Registration:
      return FillRegistrations(context, database, category, show, list, problemCount);
    default:
      return platform::kEFail;
  }
}

}  // namespace cvn
