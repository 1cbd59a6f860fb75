#include "ui/pages/CheckPages.h"

#include <optional>
#include <vector>

#include "checks/LoadCheck.h"
#include "checks/Requirements.h"
#include "checks/RequirementsFreeSpace.h"
#include "checks/SettingCheckList.h"
#include "config/Answers.h"
#include "config/MessageText.h"
#include "resources/StringIds.h"
#include "resources/resource.h"
#include "ui/CheckColumns.h"
#include "ui/CheckListFill.h"
#include "ui/dialogs/ConfigDetailsDialogs.h"
#include "util/ListHelpers.h"

namespace cvn {
CCheck1Page::CCheck1Page(WizardServices& wizard)
    : SectionStartPage(wizard, IDD_CHECK1, SectionButton::WhenPossible, SectionButton::WhenPossible) {}

bool CCheck1Page::OnSetActive(ControlSurface& surface) {
  SectionStartPage::OnSetActive(surface);
  if (wizard_.QuestionsWalked()) SaveAnswers(wizard_.Context(), wizard_.Answers());
  return true;
}

CCheckBase::CCheckBase(WizardServices& wizard, int dialogId, SectionId categoryId, int headingText, int helpContext,
                       RowHint hint)
    : ResultListPage(wizard, {dialogId, categoryId, {IDS_PROBLEMS_NONE, IDS_PROBLEMS_COUNT}, RowFilter::All, hint}),
      headingText_(headingText),
      helpContext_(helpContext) {}

bool CCheckBase::OnSetActive(ControlSurface& surface) {
  surface.SetText(IDC_HEADING, wizard_.Context().machine.Texts().Load(headingText_));
  BeforeBuild();
  if (NeedsBuilding(surface)) {
    Build(surface);
    if (problemCount > 0) {
      sortMode = sortmode::kWorstFirst;
      SortRows(*surface.Rows(IDC_LIST), sortMode);
    }
  }
  WizardPage::OnSetActive(surface);
  surface.SetFont(IDC_HEADING, wizard_.Fonts().smallBold);
  return true;
}

void CCheckBase::FillRows(ControlSurface&, ListSurface& rows) {
  RunContext& context = wizard_.Context();
  std::optional<platform::WaitCursor> wait;
  if (category != SectionId::MinimumRequirementsInfo) wait.emplace(context.machine.Ask());
  static_cast<void>(FillCheckList(context, wizard_.Database(), category,
                                  Filter() == RowFilter::All ? ShowRows::All : ShowRows::Problems, rows, problemCount));
  wait.reset();
  if (sortMode == sortmode::kWorstFirst && problemCount > 0) SortRows(rows, sortMode);
}

void CCheckBase::OnColumnClick(ControlSurface& surface, int column) {
  if (column != 0 || problemCount == 0) return;
  sortMode = sortMode == sortmode::kWorstFirst ? sortmode::kDatabaseOrder : sortmode::kWorstFirst;
  SortRows(*surface.Rows(IDC_LIST), sortMode);
}

FixResult CCheckBase::Repair(const std::string& rowName, const RowData& row) {
  return wizard_.FixItem({category, rowName, row.itemIndex});
}

void CCheckBase::Details(ControlSurface&, const std::string& rowName, const RowData& row) {
  wizard_.ShowItemDetails(ListedItem{category, rowName, row.itemIndex});
}

CCheck2Page::CCheck2Page(WizardServices& wizard)
    : CCheckBase(wizard, IDD_CHECK_LIST, SectionId::MinimumRequirementsInfo, IDS_HEADING_REQUIREMENTS,
                 IDH_MIN_REQUIREMENTS) {}

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
  if (!FreeDiskSpace(wizard_.Context(), wizard_.Database().systemInfo)) return;
  wizard_.CountFreedSpace();
  Refill(surface);
  wizard_.UpdateWizardButtons(*this);
}

void CCheck2Page::Details(ControlSurface&, const std::string&, const RowData& row) {
  const SystemProfile& measured = wizard_.Database().systemInfo;
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
      CConfigSys configSys(wizard_.Context(), wizard_.AvgCharWidth());
      CAutoexecBat autoexecBat(wizard_.Context(), wizard_.AvgCharWidth());
      host.RunPropertySheet(wizard_.Context().machine.Texts().Load(IDS_STARTUP_FILES_CAPTION),
                            {&configSys, &autoexecBat});
      break;
    }
    default: break;
  }
}

CFileCheckPage::CFileCheckPage(WizardServices& w, SectionId categoryId, int headingText)
    : CCheckBase(w, IDD_CHECK_LIST, categoryId, headingText, IDH_FILES) {}

CCheck3Page::CCheck3Page(WizardServices& w) : CFileCheckPage(w, SectionId::ProgramInfo, IDS_HEADING_PROGRAM_FILES) {}

void CCheck3Page::BeforeBuild() {
  RunPendingDllLoadCheck(wizard_.Context(), wizard_.Database(), wizard_.Host().Progress(),
                         wizard_.Answers().isLoadProblem);
}

CCheck4Page::CCheck4Page(WizardServices& w) : CFileCheckPage(w, SectionId::DllInfo, IDS_HEADING_DLL_FILES) {}
CCheck5Page::CCheck5Page(WizardServices& w) : CFileCheckPage(w, SectionId::ControlInfo, IDS_HEADING_CONTROL_FILES) {}
CCheck6Page::CCheck6Page(WizardServices& w) : CFileCheckPage(w, SectionId::DriverInfo, IDS_HEADING_DRIVER_FILES) {}

CSettingCheckPage::CSettingCheckPage(WizardServices& w, SectionId categoryId, int headingText)
    : CCheckBase(w, IDD_CHECK_SETTINGS, categoryId, headingText, IDH_SETTINGS, RowHint::SettingName) {}
CCheck7Page::CCheck7Page(WizardServices& w) : CSettingCheckPage(w, SectionId::IniInfo, IDS_HEADING_INI_SETTINGS) {}
CCheck8Page::CCheck8Page(WizardServices& w)
    : CSettingCheckPage(w, SectionId::RegistryInfo, IDS_HEADING_REGISTRY_SETTINGS) {}

CRegistrationCheckPage::CRegistrationCheckPage(WizardServices& w, SectionId categoryId, int headingText)
    : CCheckBase(w, IDD_CHECK_LIST, categoryId, headingText, IDH_REGISTRATIONS) {}
CCheck9Page::CCheck9Page(WizardServices& w)
    : CRegistrationCheckPage(w, SectionId::ControlRegistryInfo, IDS_HEADING_CONTROL_REGISTRATIONS) {}
CCheck10Page::CCheck10Page(WizardServices& w)
    : CRegistrationCheckPage(w, SectionId::OleServerInfo, IDS_HEADING_SERVER_REGISTRATIONS) {}
CCheck11Page::CCheck11Page(WizardServices& w)
    : CRegistrationCheckPage(w, SectionId::TypeLibraryInfo, IDS_HEADING_TYPE_LIBRARY_REGISTRATIONS) {}

CCheck12Page::CCheck12Page(WizardServices& wizard) : RetryPage(wizard, IDD_CHECK12, FixMode::Fix) {}

}  // namespace cvn
