// Check Application Configuration: the introduction, the ten list pages and
// the retry page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/ConfigDatabase.h"
#include "util/ListHelpers.h"

#include "platform/Types.h"
#include "ui/pages/WizardPage.h"
#include "util/RowData.h"
#include "util/RowOrder.h"

namespace cvn {

// The focused row of a page's list (IDC_LIST), when it has data.
std::optional<FocusedItem> SelectedRow(ControlSurface& surface);
// The full name of the setting an INI or Registry row lists, for the hint
// under the list; empty for any other row or a setting not found.
std::string SettingRowName(const ConfigDatabase& database, const RowData& row);

class CCheck1Page : public SectionStartPage {
 public:
  explicit CCheck1Page(CCVNWizard& wizard);
  // Saves the answers when the user walked through the questions.
  bool OnSetActive(ControlSurface& surface) override;
};

// A list page of one category: what the machine has against what the
// database expects, one row per item, with the problem count, the filters,
// the sort of the first column, Details and Fix of the selected row.
class CCheckBase : public WizardPage {
 public:
  CCheckBase(CCVNWizard& wizard, int dialogId, int category, int headingText, int helpContext);

  int HelpContext() const override { return helpContext_; }
  // Writes the heading; on the first activation (or after the list went out
  // of date) builds the list; then updates the wizard buttons.
  bool OnSetActive(ControlSurface& surface) override;
  void OnCommand(ControlSurface& surface, int id) override;
  void OnListEvent(ControlSurface& surface, const ListEvent& event) override;
  // Empties the list, freeing every row's data.
  void OnDestroy(ControlSurface& surface) override;

  // Rebuilds the list with the current showAll. 0, or the filling's failure.
  virtual int32_t Refill(ControlSurface& surface);
  // Repairs the item of the selected row; 0 when it changed the machine.
  virtual int32_t Fix(ControlSurface& surface, const std::string& rowName, const RowData& rowData);
  // Opens the details of the selected row.
  virtual void Details(ControlSurface& surface, const std::string& rowName, const RowData& rowData);
  // What a double click on a row does: Details.
  virtual void Activate(ControlSurface& surface);

  // A revert elsewhere changed the items: the rows are rebuilt on the next
  // activation, with the columns they have.
  void MarkOutOfDate() { listBuilt = 0; }

  int problemCount = 0;
  const int category;
  int showAll = 1;
  int listBuilt = 0;
  int filling = 0;
  int sortMode = sortmode::kDatabaseOrder;

 protected:
  // Before the list is looked at on activation; the Program Files page runs
  // the DLL load check here.
  virtual void BeforeBuild() {}
  void UpdateControls(ControlSurface& surface);
  // Sorts worst first when the page sorts so and has problems.
  void SortIfWorstFirst(ControlSurface& surface);

 private:
  void BuildList(ControlSurface& surface);
  void SetColumns(ControlSurface& surface);
  void SetShowAll(ControlSurface& surface, int all);
  void OnRowChanged(ControlSurface& surface, int row);
  void ToggleSort(ControlSurface& surface);
  void FixSelected(ControlSurface& surface);
  void DetailsOfSelected(ControlSurface& surface);

  int headingText_;
  int helpContext_;
  bool columnsSet_ = false;
};

// The minimum requirements: Details by the row's details kind, and Fix
// frees disk space.
class CCheck2Page : public CCheckBase {
 public:
  explicit CCheck2Page(CCVNWizard& wizard);
  // Its own Fix: freeing disk space counts as a fix but is not recorded
  // as a change of the application.
  void OnCommand(ControlSurface& surface, int id) override;
  // The details by the row's details kind; a double click opens them too.
  void Details(ControlSurface& surface, const std::string& rowName, const RowData& rowData) override;

 private:
  void FreeSpace(ControlSurface& surface);
};

// The four file pages; the Program Files page runs the DLL load check
// before its list is first built.
class CFileCheckPage : public CCheckBase {
 public:
  CFileCheckPage(CCVNWizard& wizard, int category, int headingText);
};
class CCheck3Page : public CFileCheckPage {
 public:
  explicit CCheck3Page(CCVNWizard& wizard);

 protected:
  void BeforeBuild() override;
};
class CCheck4Page : public CFileCheckPage {
 public:
  explicit CCheck4Page(CCVNWizard& wizard);
};
class CCheck5Page : public CFileCheckPage {
 public:
  explicit CCheck5Page(CCVNWizard& wizard);
};
class CCheck6Page : public CFileCheckPage {
 public:
  explicit CCheck6Page(CCVNWizard& wizard);
};

// The INI and Registry pages, which show the selected row's full name.
class CSettingCheckPage : public CCheckBase {
 public:
  CSettingCheckPage(CCVNWizard& wizard, int category, int headingText);
};
class CCheck7Page : public CSettingCheckPage {
 public:
  explicit CCheck7Page(CCVNWizard& wizard);
};
class CCheck8Page : public CSettingCheckPage {
 public:
  explicit CCheck8Page(CCVNWizard& wizard);
};

// The ActiveX/OCX, OLE server and type library pages: Details only, as
// these rows offer no Fix.
class CRegistrationCheckPage : public CCheckBase {
 public:
  CRegistrationCheckPage(CCVNWizard& wizard, int category, int headingText);
  int32_t Fix(ControlSurface&, const std::string&, const RowData&) override { return platform::kEFail; }
};
class CCheck9Page : public CRegistrationCheckPage {
 public:
  explicit CCheck9Page(CCVNWizard& wizard);
};
class CCheck10Page : public CRegistrationCheckPage {
 public:
  explicit CCheck10Page(CCVNWizard& wizard);
};
class CCheck11Page : public CRegistrationCheckPage {
 public:
  explicit CCheck11Page(CCVNWizard& wizard);
};

// "Retry the Application Now": shown only when changes took effect, with
// the restart advice when some wait for a restart.
class RetryPage : public WizardPage {
 public:
  RetryPage(CCVNWizard& wizard, int dialogId, const int& made, const int& pendingRestart)
      : WizardPage(wizard, dialogId), made_(made), pendingRestart_(pendingRestart) {}
  // Once a change took effect, or waits for the restart (which it offers).
  bool CanBecomeActive() const override { return made_ > 0 || pendingRestart_ > 0; }
  bool OnSetActive(ControlSurface& surface) override;
  void OnCommand(ControlSurface& surface, int id) override;

 private:
  const int& made_;
  const int& pendingRestart_;
};

class CCheck12Page : public RetryPage {
 public:
  explicit CCheck12Page(CCVNWizard& wizard);
};

}  // namespace cvn
