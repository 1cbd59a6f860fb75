// "Corvane - Introduction" (102): what Corvane does, with the box that asks
// to show it again next time. Only OK closes it.
#pragma once

#include <string>

#include "ui/DialogLogic.h"

namespace cvn {

class CIntroDialog : public DialogLogic {
 public:
  CIntroDialog(std::string appName, int showNextTime);

  void OnInitDialog(ControlSurface& surface) override;
  DialogEnd OnCommand(ControlSurface& surface, int id) override;

  int ShowNextTime() const { return showNextTime_; }

 private:
  std::string appName_;
  int showNextTime_;
};

}  // namespace cvn
