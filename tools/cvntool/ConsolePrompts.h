// The prompts of a console tool: no window ever opens. A message box is
// written to standard error and answered Cancel (No, or OK when OK is its
// only button); the Open-file dialog is cancelled, except that the search
// for the application program may be answered with a given folder.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "platform/Prompts.h"

namespace cvn::tool {

class ConsolePrompts final : public platform::Prompts {
 public:
  ConsolePrompts(std::ostream& errors, std::optional<std::string> appFolder)
      : errors_(errors), appFolder_(std::move(appFolder)) {}

  platform::Answer MessageBox(const std::string& text, platform::Buttons buttons,
                              platform::Icon icon) override;
  std::optional<std::string> OpenFile(const platform::OpenFileRequest& request) override;
  bool ShiftKeyDown() override { return false; }
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}

 private:
  std::ostream& errors_;
  std::optional<std::string> appFolder_;
};

}  // namespace cvn::tool
