#include "ui/DialogLogic.h"

namespace cvn {

DialogEnd DialogLogic::OnCommand(ControlSurface&, int id) {
  if (id == kIdOk) return DialogEnd::Ok;
  if (id == kIdCancel) return DialogEnd::Cancel;
  return DialogEnd::Stay;
}

}  // namespace cvn
