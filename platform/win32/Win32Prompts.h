// Message boxes, the Open-file dialog, the Shift key and the wait cursor
// through user32 and comdlg32.
#pragma once

#include "platform/Prompts.h"

namespace cvn::platform::win32 {

class Win32Prompts final : public Prompts {
 public:
  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon) override;
  std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
  bool ShiftKeyDown() override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;

 private:
  int waitDepth_ = 0;
  uintptr_t cursorBeforeWait_ = 0;  // the HCURSOR that the first Begin replaced
};

}  // namespace cvn::platform::win32
