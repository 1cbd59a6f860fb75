// The modeless progress dialog that long work (the DLL load check) shows:
// a message, a bar in percent and a Cancel button. The work calls
// PumpMessages between its steps, so the window stays alive on the one
// user-interface thread.
#pragma once

#include <memory>
#include <string>

namespace cvn {

class ProgressDialog {
 public:
  virtual ~ProgressDialog() = default;
  // Sets the bar, clamped to 0..100; nothing once the window is gone.
  virtual void SetProgress(int percent) = 0;
  // Replaces the message; nothing once the window is gone.
  virtual void SetMessage(const std::string& text) = 0;
  // Processes the waiting messages; false when the application is quitting.
  virtual bool PumpMessages() = 0;
  // True once the user pressed Cancel, which also closed the window.
  virtual bool Cancelled() const = 0;
  // Re-enables the owner and destroys the window, when it still exists.
  virtual void Close() = 0;
};

// Opens progress dialogs: the real window in the Windows build, a scripted
// one on the emulated machine.
class ProgressDialogs {
 public:
  virtual ~ProgressDialogs() = default;
  // An empty title keeps the dialog's own caption; an empty message keeps
  // its own text.
  virtual std::unique_ptr<ProgressDialog> Open(const std::string& title,
                                               const std::string& message) = 0;
};

// A percentage cut to 0..100.
int ClampPercent(int percent);

}  // namespace cvn
