// "About Corvane" (100): the product's name and version beside an animation
// drawn where control 1001 stood, on a 200 ms timer.
#pragma once

#include "ui/DialogLogic.h"

namespace cvn {

class CAboutDialog : public DialogLogic {
 public:
  static constexpr int kTimerMs = 200;
  static constexpr int kFirstFrameIcon = 600;

  CAboutDialog();

  void OnInitDialog(ControlSurface& surface) override;
  // Frames 0-3 stay for nine ticks each; frames 4-19 then cycle every tick.
  void OnTimer(ControlSurface& surface) override;
  void OnPaint(ControlSurface& surface) override;

  int Frame() const { return frame_; }

 private:
  ControlRect picture_;
  int frame_ = 0;
  int ticks_ = 0;
  int lastDrawn_ = -1;
};

}  // namespace cvn
