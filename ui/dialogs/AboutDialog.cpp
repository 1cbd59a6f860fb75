#include "ui/dialogs/AboutDialog.h"

#include "resources/resource.h"

namespace cvn {
namespace {

constexpr int kSlowFrames = 4;   // frames 0-3 are shown for a while each
constexpr int kSlowTicks = 7;    // ticks counted before a slow frame moves on
constexpr int kLastFrame = 19;
constexpr int kFirstLoopFrame = 4;

}  // namespace

CAboutDialog::CAboutDialog() : DialogLogic(IDD_ABOUT) {}

void CAboutDialog::OnInitDialog(ControlSurface& surface) {
  picture_ = surface.RectOf(IDC_PICTURE);
  surface.Destroy(IDC_PICTURE);
  surface.StartTimer(kTimerMs);
}

void CAboutDialog::OnTimer(ControlSurface& surface) {
  if (frame_ >= kSlowFrames || ticks_ > kSlowTicks) {
    ticks_ = 0;
    frame_ = frame_ == kLastFrame ? kFirstLoopFrame : frame_ + 1;
    surface.Invalidate(picture_);
  } else {
    ++ticks_;
  }
}

void CAboutDialog::OnPaint(ControlSurface& surface) {
  // The view keeps the loaded icon; a new frame means a new icon.
  if (frame_ != lastDrawn_) lastDrawn_ = frame_;
  surface.DrawIcon(kFirstFrameIcon + frame_, picture_.left, picture_.top);
}

}  // namespace cvn
