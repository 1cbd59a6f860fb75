#include "ui/pages/ResultListPage.h"

#include "checks/SettingCheckList.h"
#include "config/MessageText.h"
#include "resources/resource.h"

namespace cvn {

std::optional<FocusedItem> SelectedRow(ControlSurface& surface) {
  const ListSurface* rows = surface.Rows(IDC_LIST);
  std::optional<FocusedItem> selected = rows ? FocusedRow(*rows) : std::nullopt;
  if (selected && selected->data == nullptr) return std::nullopt;
  return selected;
}

std::string SettingRowName(const ConfigDatabase& database, const RowData& row) {
  if (KindOf(row.category) != SectionKind::Setting) {
    return "";
  }
  const ConfigSection* settings = database.GetSection(row.category);
  const auto* item = settings != nullptr && row.itemIndex >= 0 && static_cast<size_t>(row.itemIndex) < settings->Count()
                         ? settings->ItemAs<SettingItem>(static_cast<size_t>(row.itemIndex))
                         : nullptr;
  return item != nullptr ? SettingFullName(*item, settings->Type()) : std::string();
}

ResultListPage::ResultListPage(WizardServices& wizard, const Setup& setup)
    : WizardPage(wizard, setup.dialogId),
      category(setup.category),
      countTexts_(setup.countTexts),
      filter_(setup.filter),
      hint_(setup.hint) {}

bool ResultListPage::NeedsBuilding(ControlSurface& surface) const {
  return !built_ && surface.Rows(IDC_LIST) != nullptr;
}

void ResultListPage::Build(ControlSurface& surface) {
  built_ = true;
  if (!columnsSet_) {
    columnsSet_ = true;
    wizard_.SetStatusList(surface, IDC_LIST, category);
  }
  Refill(surface);
}

void ResultListPage::Refill(ControlSurface& surface) {
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows == nullptr) return;
  filling_ = true;
  FillRows(surface, *rows);
  filling_ = false;
  UpdateControls(surface);
}

void ResultListPage::UpdateControls(ControlSurface& surface) {
  // First: a real list tells of the cleared rows, and that enables the
  // buttons by the row's data.
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows != nullptr && FocusedRow(*rows)) ClearSelection(*rows);
  platform::Strings& texts = wizard_.Context().machine.Texts();
  const Counts counts = ListCounts();
  surface.SetText(IDC_FOUND_COUNT, counts.found == 0
                                       ? texts.Load(countTexts_.none)
                                       : LoadText(texts, countTexts_.some, {std::to_string(counts.found)}));
  if (hint_ == RowHint::SettingName) surface.SetText(IDC_HINT, "");
  surface.Enable(IDC_SHOW_ALL, counts.problems > 0 && filter_ == RowFilter::Problems);
  surface.Enable(IDC_SHOW_PROBLEMS, counts.problems > 0 && filter_ == RowFilter::All);
  surface.Enable(IDC_DETAILS, false);
  surface.Enable(IDC_FIX, false);
}

void ResultListPage::OnCommand(ControlSurface& surface, int id) {
  switch (id) {
    case IDC_SHOW_ALL: SetFilter(surface, RowFilter::All); break;
    case IDC_SHOW_PROBLEMS: SetFilter(surface, RowFilter::Problems); break;
    case IDC_DETAILS: DetailsOfSelected(surface); break;
    case IDC_FIX: RepairSelected(surface); break;
    default: break;
  }
}

void ResultListPage::SetFilter(ControlSurface& surface, RowFilter filter) {
  if (filter_ == filter) return;
  filter_ = filter;
  Refill(surface);
}

void ResultListPage::OnListEvent(ControlSurface& surface, const ListEvent& event) {
  if (event.listId != IDC_LIST) return;
  switch (event.kind) {
    case ListEvent::Kind::RowChanged: OnRowChanged(surface, event.row); break;
    case ListEvent::Kind::ColumnClick: OnColumnClick(surface, event.column); break;
    case ListEvent::Kind::DoubleClick:
      if (event.row >= 0) DetailsOfSelected(surface);
      break;
  }
}

void ResultListPage::OnRowChanged(ControlSurface& surface, int row) {
  if (filling_) return;
  const ListSurface* rows = surface.Rows(IDC_LIST);
  const RowData* data = rows ? rows->GetItemData(row) : nullptr;
  if (data == nullptr) return;
  surface.Enable(IDC_DETAILS, data->hasDetails);
  surface.Enable(IDC_FIX, data->canFix);
  if (hint_ == RowHint::SettingName) surface.SetText(IDC_HINT, SettingRowName(wizard_.Database(), *data));
}

void ResultListPage::DetailsOfSelected(ControlSurface& surface) {
  const std::optional<FocusedItem> selected = SelectedRow(surface);
  if (selected) Details(surface, selected->text, *selected->data);
}

void ResultListPage::RepairSelected(ControlSurface& surface) {
  const std::optional<FocusedItem> selected = SelectedRow(surface);
  if (!selected || !selected->data->canFix) return;
  // The row goes with the list when it is rebuilt.
  const RowData row = *selected->data;
  if (Repair(selected->text, row).Succeeded()) Refill(surface);
  UpdateControls(surface);
  // A change that took effect lets the retry page follow.
  wizard_.UpdateWizardButtons(*this);
}

void ResultListPage::OnDestroy(ControlSurface& surface) {
  if (ListSurface* rows = surface.Rows(IDC_LIST)) ClearList(*rows);
}

}  // namespace cvn
