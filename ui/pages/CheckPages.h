// Check Application Configuration: the introduction, the ten list pages and
// the retry page.
#pragma once

#include <string>

#include "platform/Types.h"
#include "ui/pages/ResultListPage.h"
#include "ui/pages/RetryPage.h"
#include "util/RowOrder.h"

namespace cvn {

class CCheck1Page : public SectionStartPage {
 public:
  explicit CCheck1Page(WizardServices& wizard);
  // Saves the answers when the user walked through the questions.
  bool OnSetActive(ControlSurface& surface) override;
};

// A list page of one category: what the machine has against what the
// database expects, one row per item, with the problem count, the filters,
// the sort of the first column, Details and Fix of the selected row.
class CCheckBase : public ResultListPage {
 public:
  CCheckBase(WizardServices& wizard, int dialogId, SectionId category, int headingText, int helpContext,
             RowHint hint = RowHint::None);

  int HelpContext() const override { return helpContext_; }
  // Writes the heading; on the first activation (or after the list went out
  // of date) builds the list; then updates the wizard buttons.
  bool OnSetActive(ControlSurface& surface) override;

  int problemCount = 0;
  int sortMode = sortmode::kDatabaseOrder;

 protected:
  // Before the list is looked at on activation; the Program Files page runs
  // the DLL load check here.
  virtual void BeforeBuild() {}
  Counts ListCounts() const override { return {problemCount, problemCount}; }
  void FillRows(ControlSurface& surface, ListSurface& rows) override;
  // The first column sorts worst first or in database order.
  void OnColumnClick(ControlSurface& surface, int column) override;
  void Details(ControlSurface& surface, const std::string& rowName, const RowData& row) override;
  FixResult Repair(const std::string& rowName, const RowData& row) override;

 private:
  int headingText_;
  int helpContext_;
};

// The minimum requirements: Details by the row's details kind, and Fix
// frees disk space.
class CCheck2Page : public CCheckBase {
 public:
  explicit CCheck2Page(WizardServices& wizard);
  // Its own Fix: freeing disk space counts as a fix but is not recorded
  // as a change of the application.
  void OnCommand(ControlSurface& surface, int id) override;

 protected:
  // The details by the row's details kind; a double click opens them too.
  void Details(ControlSurface& surface, const std::string& rowName, const RowData& row) override;

 private:
  void FreeSpace(ControlSurface& surface);
};

// The four file pages; the Program Files page runs the DLL load check
// before its list is first built.
class CFileCheckPage : public CCheckBase {
 public:
  CFileCheckPage(WizardServices& wizard, SectionId category, int headingText);
};
class CCheck3Page : public CFileCheckPage {
 public:
  explicit CCheck3Page(WizardServices& wizard);

 protected:
  void BeforeBuild() override;
};
class CCheck4Page : public CFileCheckPage {
 public:
  explicit CCheck4Page(WizardServices& wizard);
};
class CCheck5Page : public CFileCheckPage {
 public:
  explicit CCheck5Page(WizardServices& wizard);
};
class CCheck6Page : public CFileCheckPage {
 public:
  explicit CCheck6Page(WizardServices& wizard);
};

// The INI and Registry pages, which show the selected row's full name.
class CSettingCheckPage : public CCheckBase {
 public:
  CSettingCheckPage(WizardServices& wizard, SectionId category, int headingText);
};
class CCheck7Page : public CSettingCheckPage {
 public:
  explicit CCheck7Page(WizardServices& wizard);
};
class CCheck8Page : public CSettingCheckPage {
 public:
  explicit CCheck8Page(WizardServices& wizard);
};

// The ActiveX/OCX, OLE server and type library pages: Details only, as
// these rows offer no Fix.
class CRegistrationCheckPage : public CCheckBase {
 public:
  CRegistrationCheckPage(WizardServices& wizard, SectionId category, int headingText);

 protected:
  FixResult Repair(const std::string&, const RowData&) override { return {}; }
};
class CCheck9Page : public CRegistrationCheckPage {
 public:
  explicit CCheck9Page(WizardServices& wizard);
};
class CCheck10Page : public CRegistrationCheckPage {
 public:
  explicit CCheck10Page(WizardServices& wizard);
};
class CCheck11Page : public CRegistrationCheckPage {
 public:
  explicit CCheck11Page(WizardServices& wizard);
};

class CCheck12Page : public RetryPage {
 public:
  explicit CCheck12Page(WizardServices& wizard);
};

}  // namespace cvn
