// The half that the check lists and the recent-changes list share: one
// list of results (IDC_LIST) with its count, the Show All / Show Problems
// filter, Details and the repair of the selected row, and the hint of a
// setting's full name. Each page keeps how it fills, sorts and repairs.
#pragma once

#include <optional>
#include <string>

#include "ui/pages/WizardPage.h"
#include "util/ListHelpers.h"
#include "util/RowData.h"

namespace cvn {

// The focused row of a page's list (IDC_LIST), when it has data.
std::optional<FocusedItem> SelectedRow(ControlSurface& surface);
// The full name of the setting an INI or Registry row lists, for the hint
// under the list; empty for any other row or a setting not found.
std::string SettingRowName(const ConfigDatabase& database, const RowData& row);

// Which rows a list shows.
enum class RowFilter { Problems, All };
// Whether the hint under the list names the selected row's setting.
enum class RowHint { None, SettingName };

class ResultListPage : public WizardPage {
 public:
  // The count line's texts: none found, and "%d" found.
  struct CountTexts {
    int none;
    int some;
  };
  struct Setup {
    int dialogId;
    SectionId category;  // of the list's columns and status images
    CountTexts countTexts;
    RowFilter filter;
    RowHint hint;
  };
  ResultListPage(WizardServices& wizard, const Setup& setup);

  void OnCommand(ControlSurface& surface, int id) override;
  void OnListEvent(ControlSurface& surface, const ListEvent& event) override;
  // Empties the list, freeing every row's data.
  void OnDestroy(ControlSurface& surface) override;

  // A change elsewhere altered the items: the rows are rebuilt on the next
  // activation, with the columns they have.
  void MarkOutOfDate() { built_ = false; }
  bool ListBuilt() const { return built_; }
  RowFilter Filter() const { return filter_; }
  const SectionId category;

 protected:
  // What the count line counts, and the problems among the rows, which
  // decide whether the filter can change.
  struct Counts {
    int found;
    int problems;
  };
  virtual Counts ListCounts() const = 0;
  // Fills the rows with the current filter, and sorts them.
  virtual void FillRows(ControlSurface& surface, ListSurface& rows) = 0;
  virtual void OnColumnClick(ControlSurface& surface, int column) = 0;
  virtual void Details(ControlSurface& surface, const std::string& rowName, const RowData& row) = 0;
  // Fixes or reverts the item of the selected row.
  virtual FixResult Repair(const std::string& rowName, const RowData& row) = 0;

  // Whether the list waits to be built on this activation.
  bool NeedsBuilding(ControlSurface& surface) const;
  // Sets the columns on the first build, then fills the list.
  void Build(ControlSurface& surface);
  // Fills the list again with the current filter, then updates the controls.
  void Refill(ControlSurface& surface);
  // The count and the filter buttons; Details and Fix wait for a row.
  void UpdateControls(ControlSurface& surface);

 private:
  void SetFilter(ControlSurface& surface, RowFilter filter);
  void OnRowChanged(ControlSurface& surface, int row);
  void DetailsOfSelected(ControlSurface& surface);
  void RepairSelected(ControlSurface& surface);

  CountTexts countTexts_;
  RowFilter filter_;
  RowHint hint_;
  bool built_ = false;
  bool columnsSet_ = false;
  // Set while the rows are filled, when the list's notifications are not
  // the user's.
  bool filling_ = false;
};

}  // namespace cvn
