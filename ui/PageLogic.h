// The behaviour of one property page, apart from its window. The view turns
// the sheet's notifications into these calls; host tests make them directly
// over a RecordingSurface.
#pragma once

#include "ui/ControlSurface.h"
#include "ui/Help.h"
#include "ui/PageResult.h"

namespace cvn {

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
  // Data exchange from the controls when the page is left; false keeps the
  // page (data that does not validate).
  virtual bool OnKillActive(ControlSurface&) { return true; }
  virtual PageResult OnWizardNext(ControlSurface&) { return PageResult::GoOn(); }
  virtual PageResult OnWizardBack(ControlSurface&) { return PageResult::GoOn(); }
  virtual void OnCommand(ControlSurface&, int /*id*/) {}

 private:
  int dialogId_;
};

}  // namespace cvn
