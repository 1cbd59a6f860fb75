// Check Recent Changes: the introduction, the list of changes since a date
// with Revert, and the retry page.
#pragma once

#include <string>
#include <vector>

#include "ui/pages/ResultListPage.h"
#include "ui/pages/RetryPage.h"
#include "usage/RecentChanges.h"

namespace cvn {

class CRecent1Page : public SectionStartPage {
 public:
  explicit CRecent1Page(WizardServices& wizard);
  // The advice 1260 follows the answer to the recent-problem question.
  bool OnSetActive(ControlSurface& surface) override;
};

// The differences between the application now and its snapshots since the
// date chosen in the date box; an earlier state that was acceptable can be
// reverted to.
class CRecent2Page : public ResultListPage {
 public:
  explicit CRecent2Page(WizardServices& wizard);

  // The first time (or after a repair elsewhere made the list out of date)
  // builds the list and fills the date box.
  bool OnSetActive(ControlSurface& surface) override;
  // The date box, beside the list's own buttons.
  void OnCommand(ControlSurface& surface, int id) override;

  std::vector<std::string> dates;
  std::string chosenStamp = kNoStampChosen;
  int rowCount = 0;
  int badCount = 0;

 protected:
  Counts ListCounts() const override { return {rowCount, badCount}; }
  void FillRows(ControlSurface& surface, ListSurface& rows) override;
  void OnColumnClick(ControlSurface& surface, int column) override;
  // The details compare the item now with its snapshot.
  void Details(ControlSurface& surface, const std::string& rowName, const RowData& row) override;
  FixResult Repair(const std::string& rowName, const RowData& row) override;

 private:
  void FillDateBox(ControlSurface& surface);
  void ChooseDate(ControlSurface& surface);

  bool nameToggle_ = true;
};

class CRecent3Page : public RetryPage {
 public:
  explicit CRecent3Page(WizardServices& wizard);
};

}  // namespace cvn
