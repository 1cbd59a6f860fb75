#include "ui/fakes/ScriptedProgressDialog.h"

namespace cvn {

namespace {

class ScriptedProgressDialog final : public ProgressDialog {
 public:
  ScriptedProgressDialog(std::shared_ptr<ProgressRecord> record, std::optional<int> cancelAfter)
      : record_(std::move(record)), cancelAfter_(cancelAfter) {}

  void SetProgress(int percent) override {
    if (IsOpen()) record_->bar.push_back(ClampPercent(percent));
  }

  void SetMessage(const std::string& text) override {
    if (IsOpen()) record_->messages.push_back(text);
  }

  bool PumpMessages() override {
    if (IsOpen() && cancelAfter_ && record_->pumps == *cancelAfter_) {
      // The user's Cancel closes the window at once, as the real one does.
      record_->cancelled = true;
      record_->closed = true;
    }
    ++record_->pumps;
    return true;
  }

  bool Cancelled() const override { return record_->cancelled; }

  void Close() override { record_->closed = true; }

 private:
  bool IsOpen() const { return !record_->closed; }

  std::shared_ptr<ProgressRecord> record_;
  std::optional<int> cancelAfter_;
};

}  // namespace

std::unique_ptr<ProgressDialog> ScriptedProgressDialogs::Open(const std::string& title,
                                                              const std::string& message) {
  auto record = std::make_shared<ProgressRecord>();
  record->title = title;
  if (!message.empty()) record->messages.push_back(message);
  opened_.push_back(record);
  return std::make_unique<ScriptedProgressDialog>(std::move(record), cancelAfterSteps_);
}

}  // namespace cvn
