#include "ui/pages/RecentPages.h"

#include <algorithm>
#include <optional>

#include "config/Answers.h"
#include "config/MessageText.h"
#include "resources/resource.h"
#include "ui/CCVNWizard.h"
#include "ui/CheckColumns.h"
#include "util/ListHelpers.h"
#include "util/RowOrder.h"

namespace cvn {
namespace {

constexpr int kIdsRecentlyBroken = 10422;
constexpr int kIdsNotRecentlyBroken = 10423;
constexpr int kIdsSkipHint = 10424;
constexpr int kIdsChooseDate = 10428;    // "Select a date above to show recent changes"
constexpr int kIdsDifferencesNone = 10429;
constexpr int kIdsDifferences = 10430;  // "Differences found: %d"
constexpr int kNameColumn = 0;
constexpr int kNotesColumn = 3;

}  // namespace

CRecent1Page::CRecent1Page(CCVNWizard& wizard)
    : SectionStartPage(wizard, IDD_RECENT1, SectionButton::WhenPossible, SectionButton::WhenPossible) {}

bool CRecent1Page::OnSetActive(ControlSurface& surface) {
  SectionStartPage::OnSetActive(surface);
  auto& texts = wizard_.Context().machine.Texts();
  const bool recent = wizard_.Answers().isRecentProblem == answer::kYes;
  surface.SetText(IDC_RECENT_ADVICE,
                  texts.Load(recent ? kIdsRecentlyBroken : kIdsNotRecentlyBroken) + texts.Load(kIdsSkipHint));
  return true;
}

CRecent2Page::CRecent2Page(CCVNWizard& wizard) : WizardPage(wizard, IDD_RECENT2) {}

bool CRecent2Page::OnSetActive(ControlSurface& surface) {
  if (listBuilt == 0 && surface.Rows(IDC_LIST) != nullptr) Build(surface);
  return WizardPage::OnSetActive(surface);
}

void CRecent2Page::Build(ControlSurface& surface) {
  if (!columnsSet_) {
    columnsSet_ = true;
    wizard_.SetStatusList(surface, IDC_LIST, kRecentChangesCategory);
  }
  Rebuild(surface);
  surface.ClearLines(IDC_DATE_LIST);
  for (const std::string& stamp : dates) surface.AddLine(IDC_DATE_LIST, wizard_.StampText(stamp));
  // Rebuilt after a repair elsewhere, the box shows the date already chosen.
  const auto chosen = std::find(dates.begin(), dates.end(), chosenStamp);
  if (chosen != dates.end()) {
    surface.SelectLine(IDC_DATE_LIST, static_cast<int>(chosen - dates.begin()));
  } else {
    surface.SetText(IDC_HINT, wizard_.Context().machine.Texts().Load(kIdsChooseDate));
  }
  listBuilt = 1;
}

void CRecent2Page::Rebuild(ControlSurface& surface) {
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows == nullptr) return;
  filling = 1;
  wizard_.BuildRecentChanges(rows, showAll != 0, badCount, rowCount, dates, chosenStamp);
  if (badCount > 0) {
    SortRows(*rows, sortmode::kLeastSeriousFirst);
    nameToggle_ = false;
  }
  filling = 0;
  UpdateControls(surface);
}

void CRecent2Page::UpdateControls(ControlSurface& surface) {
  platform::Strings& texts = wizard_.Context().machine.Texts();
  // First: a real list tells of the cleared rows, and that enables the
  // buttons by the row's data.
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows != nullptr && FocusedRow(*rows)) ClearSelection(*rows);
  surface.SetText(IDC_FOUND_COUNT, rowCount == 0 ? texts.Load(kIdsDifferencesNone)
                                                 : LoadText(texts, kIdsDifferences, {std::to_string(rowCount)}));
  surface.SetText(IDC_HINT, "");
  surface.Enable(IDC_SHOW_ALL, badCount > 0 && showAll == 0);
  surface.Enable(IDC_SHOW_PROBLEMS, badCount > 0 && showAll != 0);
  surface.Enable(IDC_DETAILS, false);
  surface.Enable(IDC_FIX, false);
}

void CRecent2Page::OnCommand(ControlSurface& surface, int id) {
  switch (id) {
    case IDC_DATE_LIST: ChooseDate(surface); break;
    case IDC_SHOW_ALL: SetShowAll(surface, 1); break;
    case IDC_SHOW_PROBLEMS: SetShowAll(surface, 0); break;
    case IDC_DETAILS: DetailsOfSelected(surface); break;
    case IDC_FIX: RevertSelected(surface); break;
    default: break;
  }
}

void CRecent2Page::ChooseDate(ControlSurface& surface) {
  const int line = surface.SelectedLine(IDC_DATE_LIST);
  if (line < 0 || static_cast<size_t>(line) >= dates.size()) return;
  const std::string& stamp = dates[static_cast<size_t>(line)];
  if (stamp == chosenStamp) return;
  chosenStamp = stamp;
  Rebuild(surface);
}

void CRecent2Page::SetShowAll(ControlSurface& surface, int all) {
  if (showAll == all) return;
  showAll = all;
  Rebuild(surface);
}

void CRecent2Page::OnListEvent(ControlSurface& surface, const ListEvent& event) {
  if (event.listId != IDC_LIST) return;
  switch (event.kind) {
    case ListEvent::Kind::RowChanged: OnRowChanged(surface, event.row); break;
    case ListEvent::Kind::ColumnClick: SortByColumn(surface, event.column); break;
    case ListEvent::Kind::DoubleClick:
      if (event.row >= 0) DetailsOfSelected(surface);
      break;
  }
}

void CRecent2Page::OnRowChanged(ControlSurface& surface, int row) {
  if (filling != 0) return;
  const ListSurface* rows = surface.Rows(IDC_LIST);
  const RowData* data = rows ? rows->GetItemData(row) : nullptr;
  if (data == nullptr) return;
  selectedCategory = data->category;
  surface.Enable(IDC_DETAILS, data->hasDetails);
  surface.Enable(IDC_FIX, data->canFix);
  surface.SetText(IDC_HINT, SettingRowName(wizard_.database, *data));
}

// The Name and Notes headers share one toggle: set sorts by date, oldest
// first; clear sorts Name by status or list order and Notes newest first.
void CRecent2Page::SortByColumn(ControlSurface& surface, int column) {
  if (column != kNameColumn && column != kNotesColumn) return;
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows == nullptr) return;
  nameToggle_ = !nameToggle_;
  int mode = sortmode::kSortValueUp;
  if (!nameToggle_) {
    if (column == kNotesColumn) {
      mode = sortmode::kSortValueDown;
    } else {
      mode = showAll != 0 ? sortmode::kLeastSeriousFirst : sortmode::kDatabaseOrder;
    }
  }
  SortRows(*rows, mode);
}

void CRecent2Page::DetailsOfSelected(ControlSurface& surface) {
  const std::optional<FocusedItem> selected = SelectedRow(surface);
  if (!selected) return;
  const RowData& data = *selected->data;
  ItemRef item = data.category == 4 || data.category == 5
                     ? ItemRef::Setting(data.category, static_cast<size_t>(data.itemIndex))
                     : ItemRef::File(data.category, selected->text);
  item.compare = true;
  wizard_.ShowItemDetails(item);
}

void CRecent2Page::RevertSelected(ControlSurface& surface) {
  const std::optional<FocusedItem> selected = SelectedRow(surface);
  if (!selected || !selected->data->canFix) return;
  // The row goes with the list when it is rebuilt.
  const RowData row = *selected->data;
  if (wizard_.RevertItem({row.category, selected->text, row.itemIndex}, row) == platform::kSOk) {
    Rebuild(surface);
    MarkChangesMade(wizard_.Context());
    // The retry page may now follow.
    wizard_.UpdateWizardButtons(*this);
  }
  UpdateControls(surface);
}

void CRecent2Page::OnDestroy(ControlSurface& surface) {
  if (ListSurface* rows = surface.Rows(IDC_LIST)) ClearList(*rows);
}

CRecent3Page::CRecent3Page(CCVNWizard& wizard)
    : RetryPage(wizard, IDD_RECENT3, wizard.revertsMade, wizard.revertsPendingRestart) {}

}  // namespace cvn
