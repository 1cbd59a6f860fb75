#include "ui/pages/CheckPages.h"

#include <algorithm>

#include "checks/Requirements.h"
#include "resources/resource.h"
#include "ui/CCVNWizard.h"
#include "ui/Restart.h"
#include "ui/dialogs/ConfigDetailsDialogs.h"

namespace cvn {
namespace {

constexpr int kIdsRequirementColumn = 10413;  // "Requirement", then "Actual" and "Minimum"
constexpr int kRequirementColumns = 3;
constexpr int kMaxFocusedRows = 10000;

// The first focused row's data, or null.
const RowData* FocusedRowData(const ListSurface& rows) {
  const int count = std::min(rows.ItemCount(), kMaxFocusedRows);
  for (int row = 0; row < count; ++row) {
    if (rows.GetItemState(row, rowstate::kFocused) != 0) return rows.GetItemData(row);
  }
  return nullptr;
}

}  // namespace

CCheck1Page::CCheck1Page(CCVNWizard& wizard)
    : SectionStartPage(wizard, IDD_CHECK1, SectionButton::WhenPossible, SectionButton::WhenPossible) {}

bool CCheck1Page::OnSetActive(ControlSurface& surface) {
  SectionStartPage::OnSetActive(surface);
  if (wizard_.questionsWalked != 0) SaveAnswers(wizard_.Context(), wizard_.Answers());
  return true;
}

CCheckBase::CCheckBase(CCVNWizard& wizard, int dialogId, int category, int headingText,
                       int helpContext)
    : WizardPage(wizard, dialogId),
      category_(category),
      headingText_(headingText),
      helpContext_(helpContext) {}

bool CCheckBase::OnSetActive(ControlSurface& surface) {
  surface.SetText(IDC_HEADING, wizard_.Context().machine.Texts().Load(headingText_));
  if (!listBuilt_) {
    listBuilt_ = true;
    BuildList(surface);
  }
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.smallBoldFont);
  return true;
}

CCheck2Page::CCheck2Page(CCVNWizard& wizard)
    : CCheckBase(wizard, IDD_CHECK_LIST, kRequirementsCategory, 10030, IDH_MIN_REQUIREMENTS) {}

// Temporary seam: the filters, the problem count and freeing disk space
// come with the configuration check pages; this shows every requirement.
void CCheck2Page::BuildList(ControlSurface& surface) {
  auto& texts = wizard_.Context().machine.Texts();
  const int width = surface.ClientWidth(IDC_LIST) / kRequirementColumns;
  std::vector<ListColumn> columns;
  for (int i = 0; i < kRequirementColumns; ++i) columns.push_back({texts.Load(kIdsRequirementColumn + i), width});
  surface.SetColumns(IDC_LIST, columns);
  ListSurface* rows = surface.Rows(IDC_LIST);
  if (rows == nullptr) return;
  int problems = 0;
  CompareRequirements(wizard_.Context(), wizard_.database, *rows, true, problems);
}

void CCheck2Page::OnCommand(ControlSurface& surface, int id) {
  if (id != IDC_DETAILS) return;
  const ListSurface* rows = surface.Rows(IDC_LIST);
  const RowData* row = rows ? FocusedRowData(*rows) : nullptr;
  if (row == nullptr) return;
  const SystemProfile& measured = wizard_.database.systemInfo;
  UiHost& host = wizard_.Host();
  switch (row->itemIndex) {
    case details::kWindowsVersion: {
      CDetailsDialog dialog = CDetailsDialog::WindowsVersion(measured);
      host.RunModal(dialog);
      break;
    }
    case details::kVideo: {
      CDetailsDialog dialog = CDetailsDialog::Video(measured);
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

CCheck3Page::CCheck3Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_LIST, 0, 10031, IDH_FILES) {}
CCheck4Page::CCheck4Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_LIST, 1, 10032, IDH_FILES) {}
CCheck5Page::CCheck5Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_LIST, 2, 10033, IDH_FILES) {}
CCheck6Page::CCheck6Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_LIST, 3, 10034, IDH_FILES) {}
CCheck7Page::CCheck7Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_SETTINGS, 4, 10035, IDH_SETTINGS) {}
CCheck8Page::CCheck8Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_SETTINGS, 5, 10036, IDH_SETTINGS) {}
CCheck9Page::CCheck9Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_LIST, 6, 10037, IDH_REGISTRATIONS) {}
CCheck10Page::CCheck10Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_LIST, 7, 10038, IDH_REGISTRATIONS) {}
CCheck11Page::CCheck11Page(CCVNWizard& w) : CCheckBase(w, IDD_CHECK_LIST, 8, 10039, IDH_REGISTRATIONS) {}

bool RetryPage::OnSetActive(ControlSurface& surface) {
  if (made_ == 0) return false;
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
