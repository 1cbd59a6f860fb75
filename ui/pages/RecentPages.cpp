#include "ui/pages/RecentPages.h"

#include <algorithm>
#include <optional>

#include "config/Answers.h"
#include "config/MessageText.h"
#include "resources/StringIds.h"
#include "resources/resource.h"
#include "ui/CheckColumns.h"
#include "ui/dialogs/ItemDetails.h"
#include "util/ListHelpers.h"
#include "util/RowOrder.h"

namespace cvn {
namespace {

constexpr int kNameColumn = 0;
constexpr int kNotesColumn = 3;

}  // namespace

CRecent1Page::CRecent1Page(WizardServices& wizard)
    : SectionStartPage(wizard, IDD_RECENT1, SectionButton::WhenPossible, SectionButton::WhenPossible) {}

bool CRecent1Page::OnSetActive(ControlSurface& surface) {
  SectionStartPage::OnSetActive(surface);
  auto& texts = wizard_.Context().machine.Texts();
  const bool recent = wizard_.Answers().isRecentProblem == answer::kYes;
  surface.SetText(IDC_RECENT_ADVICE,
                  texts.Load(recent ? IDS_RECENTLY_BROKEN : IDS_NOT_RECENTLY_BROKEN) + texts.Load(IDS_SKIP_HINT));
  return true;
}

CRecent2Page::CRecent2Page(WizardServices& wizard)
    : ResultListPage(wizard, {IDD_RECENT2,
                              SectionId::RecentChanges,
                              {IDS_DIFFERENCES_NONE, IDS_DIFFERENCES_COUNT},
                              RowFilter::Problems,
                              RowHint::SettingName}) {}

bool CRecent2Page::OnSetActive(ControlSurface& surface) {
  if (NeedsBuilding(surface)) {
    Build(surface);
    FillDateBox(surface);
  }
  return WizardPage::OnSetActive(surface);
}

void CRecent2Page::FillDateBox(ControlSurface& surface) {
  surface.ClearLines(IDC_DATE_LIST);
  for (const std::string& stamp : dates) surface.AddLine(IDC_DATE_LIST, wizard_.StampText(stamp));
  // Rebuilt after a repair elsewhere, the box shows the date already chosen.
  const auto chosen = std::find(dates.begin(), dates.end(), chosenStamp);
  if (chosen != dates.end()) {
    surface.SelectLine(IDC_DATE_LIST, static_cast<int>(chosen - dates.begin()));
  } else {
    surface.SetText(IDC_HINT, wizard_.Context().machine.Texts().Load(IDS_CHOOSE_DATE));
  }
}

void CRecent2Page::FillRows(ControlSurface&, ListSurface& rows) {
  static_cast<void>(
      wizard_.BuildRecentChanges(&rows, Filter() == RowFilter::All, badCount, rowCount, dates, chosenStamp));
  if (badCount > 0) {
    SortRows(rows, sortmode::kLeastSeriousFirst);
    nameToggle_ = false;
  }
}

void CRecent2Page::OnCommand(ControlSurface& surface, int id) {
  if (id == IDC_DATE_LIST) {
    ChooseDate(surface);
    return;
  }
  ResultListPage::OnCommand(surface, id);
}

void CRecent2Page::ChooseDate(ControlSurface& surface) {
  const int line = surface.SelectedLine(IDC_DATE_LIST);
  if (line < 0 || static_cast<size_t>(line) >= dates.size()) return;
  const std::string& stamp = dates[static_cast<size_t>(line)];
  if (stamp == chosenStamp) return;
  chosenStamp = stamp;
  Refill(surface);
}

// The Name and Notes headers share one toggle: set sorts by date, oldest
// first; clear sorts Name by status or list order and Notes newest first.
void CRecent2Page::OnColumnClick(ControlSurface& surface, int column) {
  if (column != kNameColumn && column != kNotesColumn) return;
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows == nullptr) return;
  nameToggle_ = !nameToggle_;
  int mode = sortmode::kSortValueUp;
  if (!nameToggle_) {
    if (column == kNotesColumn) {
      mode = sortmode::kSortValueDown;
    } else {
      mode = Filter() == RowFilter::All ? sortmode::kLeastSeriousFirst : sortmode::kDatabaseOrder;
    }
  }
  SortRows(*rows, mode);
}

void CRecent2Page::Details(ControlSurface&, const std::string& rowName, const RowData& row) {
  ItemRef item = KindOf(row.category) == SectionKind::Setting
                     ? ItemRef::Setting(row.category, static_cast<size_t>(row.itemIndex))
                     : ItemRef::File(row.category, rowName);
  item.compare = true;
  wizard_.ShowItemDetails(item);
}

FixResult CRecent2Page::Repair(const std::string& rowName, const RowData& row) {
  return wizard_.RevertItem({row.category, rowName, row.itemIndex}, row);
}

CRecent3Page::CRecent3Page(WizardServices& wizard) : RetryPage(wizard, IDD_RECENT3, FixMode::Revert) {}

}  // namespace cvn
