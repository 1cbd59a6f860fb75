// The behaviour of one property page, apart from its window. The view turns
// the sheet's notifications into these calls; host tests make them directly
// over a RecordingSurface.
#pragma once

#include "ui/ControlSurface.h"
#include "ui/Help.h"
#include "ui/PageResult.h"

namespace cvn {

// What happened in a list view of a page.
struct ListEvent {
  enum class Kind { RowChanged, ColumnClick, DoubleClick };
  Kind kind = Kind::RowChanged;
  int listId = 0;
  int row = -1;     // the changed row, or the row under the mouse (-1: none)
  int column = -1;  // the clicked column
};

class PageLogic {
 public:
  explicit PageLogic(int dialogId) : dialogId_(dialogId) {}
  virtual ~PageLogic() = default;
  PageLogic(const PageLogic&) = delete;
  PageLogic& operator=(const PageLogic&) = delete;

  int DialogId() const { return dialogId_; }
  // The help topic of the page while it is active.
  virtual int HelpContext() const { return HelpContextFor(dialogId_); }

  virtual void OnInitDialog(ControlSurface&) {}
  // False: the page refuses to become active and the sheet passes over it
  // in the direction of travel.
  virtual bool OnSetActive(ControlSurface&) { return true; }
  // Whether OnSetActive would accept now; the wizard gives Finish to the
  // last page that can become active.
  virtual bool CanBecomeActive() const { return true; }
  // Data exchange from the controls when the page is left; false keeps the
  // page (data that does not validate).
  virtual bool OnKillActive(ControlSurface&) { return true; }
  virtual PageResult OnWizardNext(ControlSurface&) { return PageResult::GoOn(); }
  virtual PageResult OnWizardBack(ControlSurface&) { return PageResult::GoOn(); }
  virtual void OnCommand(ControlSurface&, int /*id*/) {}
  // A list view of the page told of a change (LVN_ITEMCHANGED, LVN_COLUMNCLICK,
  // NM_DBLCLK).
  virtual void OnListEvent(ControlSurface&, const ListEvent&) {}
  // The page's window is being destroyed; its controls still exist.
  virtual void OnDestroy(ControlSurface&) {}

 private:
  int dialogId_;
};

}  // namespace cvn
