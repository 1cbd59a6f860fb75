// The progress dialog of the emulated machine: it shows nothing, records
// what the work showed, and presses Cancel when told to.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProgressDialog.h"

namespace cvn {

// What one scripted dialog was shown, for the test to look at.
struct ProgressRecord {
  std::string title;
  std::vector<std::string> messages;  // the opening message first
  std::vector<int> bar;               // every value the bar took, clamped
  int pumps = 0;
  bool cancelled = false;
  bool closed = false;
};

class ScriptedProgressDialogs : public ProgressDialogs {
 public:
  // With `cancelAfterSteps`, each dialog presses Cancel during the pump
  // that follows that many steps (pumps); without, it never cancels.
  explicit ScriptedProgressDialogs(std::optional<int> cancelAfterSteps = std::nullopt)
      : cancelAfterSteps_(cancelAfterSteps) {}

  std::unique_ptr<ProgressDialog> Open(const std::string& title,
                                       const std::string& message) override;

  // One record per dialog opened, in order; they outlive the dialogs.
  const std::vector<std::shared_ptr<ProgressRecord>>& Opened() const { return opened_; }

 private:
  std::optional<int> cancelAfterSteps_;
  std::vector<std::shared_ptr<ProgressRecord>> opened_;
};

}  // namespace cvn
