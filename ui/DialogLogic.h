// The behaviour of one modal dialog, apart from its window: the view calls
// these handlers with the dialog's controls.
#pragma once

#include "ui/ControlSurface.h"
#include "ui/Help.h"
#include "ui/PageResult.h"

namespace cvn {

// Command numbers of the standard buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class DialogLogic {
 public:
  explicit DialogLogic(int dialogId) : dialogId_(dialogId) {}
  virtual ~DialogLogic() = default;
  DialogLogic(const DialogLogic&) = delete;
  DialogLogic& operator=(const DialogLogic&) = delete;

  int DialogId() const { return dialogId_; }
  // The help topic the dialog opens with F1.
  virtual int HelpContext() const { return HelpContextFor(dialogId_); }

  virtual void OnInitDialog(ControlSurface&) {}
  // OK and Cancel end the dialog unless a dialog handles them itself.
  virtual DialogEnd OnCommand(ControlSurface&, int id);
  virtual void OnTimer(ControlSurface&) {}
  virtual void OnPaint(ControlSurface&) {}

 private:
  int dialogId_;
};

}  // namespace cvn
