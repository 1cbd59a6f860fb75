#include "ui/pages/CheckPages.h"

#include <optional>
#include <vector>

#include "config/Answers.h"
#include "checks/LoadCheck.h"
#include "checks/Requirements.h"
#include "checks/RequirementsFreeSpace.h"
#include "checks/SettingCheckList.h"
#include "config/MessageText.h"
#include "ui/CheckColumns.h"
#include "ui/CheckListFill.h"
#include "util/ListHelpers.h"
#include "resources/resource.h"
#include "ui/CCVNWizard.h"
#include "ui/Restart.h"
#include "ui/dialogs/ConfigDetailsDialogs.h"

namespace cvn {
namespace {

constexpr int kProblemsNone = 10400;   // "Problems found: none"
constexpr int kProblemsCount = 10401;  // "Problems found: %d"

}  // namespace

std::optional<FocusedItem> SelectedRow(ControlSurface& surface) {
  const ListSurface* rows = surface.Rows(IDC_LIST);
  std::optional<FocusedItem> selected = rows ? FocusedRow(*rows) : std::nullopt;
  if (selected && selected->data == nullptr) return std::nullopt;
  return selected;
}

std::string SettingRowName(const ConfigDatabase& database, const RowData& row) {
  if (row.category != static_cast<int>(SectionId::IniInfo) && row.category != static_cast<int>(SectionId::RegistryInfo)) {
    return "";
  }
  const ConfigSection* settings = database.GetSection(row.category);
  const auto* item = settings != nullptr && row.itemIndex >= 0 && static_cast<size_t>(row.itemIndex) < settings->Count()
                         ? settings->ItemAs<SettingItem>(static_cast<size_t>(row.itemIndex))
                         : nullptr;
  return item != nullptr ? SettingFullName(*item, settings->Type()) : std::string();
}

CCheck1Page::CCheck1Page(CCVNWizard& wizard)
    : SectionStartPage(wizard, IDD_CHECK1, SectionButton::WhenPossible, SectionButton::WhenPossible) {}

bool CCheck1Page::OnSetActive(ControlSurface& surface) {
  SectionStartPage::OnSetActive(surface);
  if (wizard_.questionsWalked != 0) SaveAnswers(wizard_.Context(), wizard_.Answers());
  return true;
}

CCheckBase::CCheckBase(CCVNWizard& wizard, int dialogId, int categoryId, int headingText,
                       int helpContext)
    : WizardPage(wizard, dialogId),
      category(categoryId),
      headingText_(headingText),
      helpContext_(helpContext) {}

bool CCheckBase::OnSetActive(ControlSurface& surface) {
  surface.SetText(IDC_HEADING, wizard_.Context().machine.Texts().Load(headingText_));
  BeforeBuild();
  if (listBuilt == 0 && surface.Rows(IDC_LIST) != nullptr) BuildList(surface);
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.smallBoldFont);
  return true;
}

void CCheckBase::BuildList(ControlSurface& surface) {
  listBuilt = 1;
  if (!columnsSet_) SetColumns(surface);
  Refill(surface);
  if (problemCount > 0) {
    sortMode = sortmode::kWorstFirst;
    SortRows(*surface.Rows(IDC_LIST), sortMode);
  }
}

void CCheckBase::SetColumns(ControlSurface& surface) {
  columnsSet_ = true;
  wizard_.SetStatusList(surface, IDC_LIST, category);
}

int32_t CCheckBase::Refill(ControlSurface& surface) {
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows == nullptr) return platform::kEFail;
  filling = 1;
  RunContext& context = wizard_.Context();
  std::optional<platform::WaitCursor> wait;
  if (category != kRequirementsCategory) wait.emplace(context.machine.Ask());
  const int32_t status = FillCheckList(context, wizard_.database, category,
                                       showAll != 0 ? ShowRows::All : ShowRows::Problems, *rows, problemCount);
  wait.reset();
  SortIfWorstFirst(surface);
  filling = 0;
  UpdateControls(surface);
  return status;
}

void CCheckBase::SortIfWorstFirst(ControlSurface& surface) {
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows != nullptr && sortMode == sortmode::kWorstFirst && problemCount > 0) SortRows(*rows, sortMode);
}

void CCheckBase::UpdateControls(ControlSurface& surface) {
  // First: a real list tells of the cleared rows, and that enables the
  // buttons by the row's data.
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows != nullptr && FocusedRow(*rows)) ClearSelection(*rows);
  platform::Strings& texts = wizard_.Context().machine.Texts();
  surface.SetText(IDC_FOUND_COUNT, problemCount == 0 ? texts.Load(kProblemsNone)
                                                     : LoadText(texts, kProblemsCount, {std::to_string(problemCount)}));
  if (DialogId() == IDD_CHECK_SETTINGS) surface.SetText(IDC_HINT, "");
  surface.Enable(IDC_SHOW_ALL, problemCount > 0 && showAll == 0);
  surface.Enable(IDC_SHOW_PROBLEMS, problemCount > 0 && showAll != 0);
  surface.Enable(IDC_DETAILS, false);
  surface.Enable(IDC_FIX, false);
}

void CCheckBase::OnCommand(ControlSurface& surface, int id) {
  switch (id) {
    case IDC_SHOW_ALL: SetShowAll(surface, 1); break;
    case IDC_SHOW_PROBLEMS: SetShowAll(surface, 0); break;
    case IDC_DETAILS: DetailsOfSelected(surface); break;
    case IDC_FIX: FixSelected(surface); break;
    default: break;
  }
}

void CCheckBase::SetShowAll(ControlSurface& surface, int all) {
  if (showAll == all) return;
  showAll = all;
  Refill(surface);
}

void CCheckBase::DetailsOfSelected(ControlSurface& surface) {
  const std::optional<FocusedItem> selected = SelectedRow(surface);
  if (selected) Details(surface, selected->text, *selected->data);
}

void CCheckBase::FixSelected(ControlSurface& surface) {
  const std::optional<FocusedItem> selected = SelectedRow(surface);
  if (!selected) return;
  // The row goes with the list when it is rebuilt.
  const RowData row = *selected->data;
  if (Fix(surface, selected->text, row) == platform::kSOk) {
    Refill(surface);
    MarkChangesMade(wizard_.Context());
  }
  UpdateControls(surface);
  // A fix that took effect lets the retry page follow.
  wizard_.UpdateWizardButtons(*this);
}

int32_t CCheckBase::Fix(ControlSurface&, const std::string& rowName, const RowData& rowData) {
  return wizard_.FixItem({category, rowName, rowData.itemIndex});
}

void CCheckBase::Details(ControlSurface&, const std::string& rowName, const RowData& rowData) {
  wizard_.ShowItemDetails(CCVNWizard::ListedItem{category, rowName, rowData.itemIndex});
}

void CCheckBase::Activate(ControlSurface& surface) { DetailsOfSelected(surface); }

void CCheckBase::OnListEvent(ControlSurface& surface, const ListEvent& event) {
  if (event.listId != IDC_LIST) return;
  switch (event.kind) {
    case ListEvent::Kind::RowChanged: OnRowChanged(surface, event.row); break;
    case ListEvent::Kind::ColumnClick:
      if (event.column == 0 && problemCount > 0) ToggleSort(surface);
      break;
    case ListEvent::Kind::DoubleClick:
      if (event.row >= 0) Activate(surface);
      break;
  }
}

void CCheckBase::OnRowChanged(ControlSurface& surface, int row) {
  if (filling != 0) return;
  const ListSurface* rows = surface.Rows(IDC_LIST);
  const RowData* data = rows ? rows->GetItemData(row) : nullptr;
  if (data == nullptr) return;
  surface.Enable(IDC_DETAILS, data->hasDetails);
  surface.Enable(IDC_FIX, data->canFix);
  if (DialogId() != IDD_CHECK_SETTINGS) return;
  const std::string name = SettingRowName(wizard_.database, *data);
  if (!name.empty()) surface.SetText(IDC_HINT, name);
}

void CCheckBase::ToggleSort(ControlSurface& surface) {
  sortMode = sortMode == sortmode::kWorstFirst ? sortmode::kDatabaseOrder : sortmode::kWorstFirst;
  SortRows(*surface.Rows(IDC_LIST), sortMode);
}

void CCheckBase::OnDestroy(ControlSurface& surface) {
  if (ListSurface* rows = surface.Rows(IDC_LIST)) ClearList(*rows);
}

CCheck2Page::CCheck2Page(CCVNWizard& wizard)
    : CCheckBase(wizard, IDD_CHECK_LIST, kRequirementsCategory, 10030, IDH_MIN_REQUIREMENTS) {}

void CCheck2Page::OnCommand(ControlSurface& surface, int id) {
  if (id == IDC_FIX) {
    FreeSpace(surface);
    return;
  }
  CCheckBase::OnCommand(surface, id);
}

void CCheck2Page::FreeSpace(ControlSurface& surface) {
  const std::optional<FocusedItem> selected = SelectedRow(surface);
  if (!selected || selected->data->itemIndex != details::kDiskSpace) return;
  if (!FreeDiskSpace(wizard_.Context(), wizard_.database.systemInfo)) return;
  ++wizard_.fixesMade;
  Refill(surface);
  wizard_.UpdateWizardButtons(*this);
}

void CCheck2Page::Details(ControlSurface&, const std::string&, const RowData& row) {
  const SystemProfile& measured = wizard_.database.systemInfo;
  UiHost& host = wizard_.Host();
  switch (row.itemIndex) {
    case details::kWindowsVersion: {
      CDetailsDialog dialog = CDetailsDialog::WindowsVersion(wizard_.Context().machine.Texts(), measured);
      host.RunModal(dialog);
      break;
    }
    case details::kVideo: {
      CDetailsDialog dialog = CDetailsDialog::Video(wizard_.Context().machine.Texts(), measured);
      host.RunModal(dialog);
      break;
    }
    case details::kDiskSpace: {
      CDiskDetailsDialog dialog(wizard_.Context(), measured);
      host.RunModal(dialog);
      break;
    }
    case details::kConfigSys: {
      CConfigSys configSys(wizard_.Context(), wizard_.avgCharWidth);
      CAutoexecBat autoexecBat(wizard_.Context(), wizard_.avgCharWidth);
      host.RunPropertySheet(wizard_.Context().machine.Texts().Load(10003), {&configSys, &autoexecBat});
      break;
    }
    default: break;
  }
}

CFileCheckPage::CFileCheckPage(CCVNWizard& w, int categoryId, int headingText)
    : CCheckBase(w, IDD_CHECK_LIST, categoryId, headingText, IDH_FILES) {}

CCheck3Page::CCheck3Page(CCVNWizard& w) : CFileCheckPage(w, 0, 10031) {}

void CCheck3Page::BeforeBuild() {
  RunPendingDllLoadCheck(wizard_.Context(), wizard_.database, wizard_.Host().Progress(),
                         wizard_.Answers().isLoadProblem);
}

CCheck4Page::CCheck4Page(CCVNWizard& w) : CFileCheckPage(w, 1, 10032) {}
CCheck5Page::CCheck5Page(CCVNWizard& w) : CFileCheckPage(w, 2, 10033) {}
CCheck6Page::CCheck6Page(CCVNWizard& w) : CFileCheckPage(w, 3, 10034) {}

CSettingCheckPage::CSettingCheckPage(CCVNWizard& w, int categoryId, int headingText)
    : CCheckBase(w, IDD_CHECK_SETTINGS, categoryId, headingText, IDH_SETTINGS) {}
CCheck7Page::CCheck7Page(CCVNWizard& w) : CSettingCheckPage(w, 4, 10035) {}
CCheck8Page::CCheck8Page(CCVNWizard& w) : CSettingCheckPage(w, 5, 10036) {}

CRegistrationCheckPage::CRegistrationCheckPage(CCVNWizard& w, int categoryId, int headingText)
    : CCheckBase(w, IDD_CHECK_LIST, categoryId, headingText, IDH_REGISTRATIONS) {}
CCheck9Page::CCheck9Page(CCVNWizard& w) : CRegistrationCheckPage(w, 6, 10037) {}
CCheck10Page::CCheck10Page(CCVNWizard& w) : CRegistrationCheckPage(w, 7, 10038) {}
CCheck11Page::CCheck11Page(CCVNWizard& w) : CRegistrationCheckPage(w, 8, 10039) {}

bool RetryPage::OnSetActive(ControlSurface& surface) {
  if (!CanBecomeActive()) return false;
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.pageTitleFont);
  const bool restart = pendingRestart_ > 0;
  surface.SetIcon(IDC_PICTURE, restart ? icon::kSystemStop : icon::kSystemExclamation);
  surface.Show(IDC_RESTART_TEXT, restart);
  surface.Show(IDC_RESTART_WINDOWS, restart);
  return true;
}

void RetryPage::OnCommand(ControlSurface&, int id) {
  if (id == IDC_RESTART_WINDOWS && ConfirmRestart(wizard_.Context())) RestartWindows(wizard_.Context());
}

CCheck12Page::CCheck12Page(CCVNWizard& wizard)
    : RetryPage(wizard, IDD_CHECK12, wizard.fixesMade, wizard.fixesPendingRestart) {}

}  // namespace cvn
