// The OLE registration dialogs (116 details, 117 confirmation) and the type
// library dialogs (118 details, 119 confirmation): what is registered
// beside what the database expects, differing fields in bold, and in the
// details variants the suggested action.
#pragma once

#include "fixes/FixConfirmations.h"
#include "ui/DialogLogic.h"

namespace cvn {

class CServerDialog : public DialogLogic {
 public:
  explicit CServerDialog(ServerConfirmation fields);
  void OnInitDialog(ControlSurface& surface) override;

 private:
  ServerConfirmation fields_;
};

class CTypeLibDialog : public DialogLogic {
 public:
  explicit CTypeLibDialog(TypeLibConfirmation fields);
  void OnInitDialog(ControlSurface& surface) override;

 private:
  TypeLibConfirmation fields_;
};

}  // namespace cvn
