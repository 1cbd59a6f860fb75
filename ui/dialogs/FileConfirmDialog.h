// "Confirm File Copy": Replace/With (113) before an existing file is
// replaced, Copy/To (120) before a missing one is copied in. Yes ends with
// OK, No with Cancel.
#pragma once

#include "fixes/FixConfirmations.h"
#include "ui/DialogLogic.h"

namespace cvn {

class CFileConfirmDialog : public DialogLogic {
 public:
  explicit CFileConfirmDialog(const FileConfirmation& fields);
  void OnInitDialog(ControlSurface& surface) override;

 private:
  const FileConfirmation& fields_;
};

}  // namespace cvn
