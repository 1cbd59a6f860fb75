// Check Recent Changes: the introduction, the list of changes since a date
// with Revert, and the retry page.
#pragma once

#include <string>
#include <vector>

#include "ui/pages/CheckPages.h"
#include "usage/RecentChanges.h"

namespace cvn {

class CRecent1Page : public SectionStartPage {
 public:
  explicit CRecent1Page(CCVNWizard& wizard);
  // The advice 1260 follows the answer to the recent-problem question.
  bool OnSetActive(ControlSurface& surface) override;
};

// The differences between the application now and its snapshots since the
// date chosen in the date box; an earlier state that was acceptable can be
// reverted to.
class CRecent2Page : public WizardPage {
 public:
  explicit CRecent2Page(CCVNWizard& wizard);

  // The first time (or after a repair elsewhere made the list out of date)
  // builds the list and fills the date box.
  bool OnSetActive(ControlSurface& surface) override;
  void OnCommand(ControlSurface& surface, int id) override;
  void OnListEvent(ControlSurface& surface, const ListEvent& event) override;
  void OnDestroy(ControlSurface& surface) override;

  // A repair elsewhere changed the items: rebuilt on the next activation.
  void MarkOutOfDate() { listBuilt = 0; }

  std::vector<std::string> dates;
  std::string chosenStamp = kNoStampChosen;
  int rowCount = 0;
  int badCount = 0;
  int showAll = 0;
  int listBuilt = 0;
  int filling = 0;
  int selectedCategory = 0;

 private:
  void Build(ControlSurface& surface);
  void Rebuild(ControlSurface& surface);
  void UpdateControls(ControlSurface& surface);
  void ChooseDate(ControlSurface& surface);
  void SetShowAll(ControlSurface& surface, int all);
  void OnRowChanged(ControlSurface& surface, int row);
  void SortByColumn(ControlSurface& surface, int column);
  void DetailsOfSelected(ControlSurface& surface);
  void RevertSelected(ControlSurface& surface);

  bool columnsSet_ = false;
  bool nameToggle_ = true;
};

class CRecent3Page : public RetryPage {
 public:
  explicit CRecent3Page(CCVNWizard& wizard);
};

}  // namespace cvn
