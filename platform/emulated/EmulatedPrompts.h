// Message boxes and the Open-file dialog answered from a script, with every
// prompt recorded as the user would have seen it.
#pragma once

#include <deque>
#include <vector>

#include "platform/Prompts.h"
#include "platform/emulated/MachineFacts.h"

namespace cvn::emulated {

struct RecordedMessage {
  std::string text;
  platform::Buttons buttons = platform::Buttons::Ok;
  platform::Icon icon = platform::Icon::None;
  platform::Answer answer = platform::Answer::Ok;
  // A question that found no queued answer and was answered Cancel or No.
  bool unscripted = false;
};

struct RecordedOpenFile {
  platform::OpenFileRequest request;
  std::optional<std::string> answer;
  bool unscripted = false;
};

class EmulatedPrompts : public platform::Prompts {
 public:
  explicit EmulatedPrompts(const MachineFacts& facts);

  // A box with only OK never takes a queued answer; a question takes the
  // next one, or Cancel/No when none is queued.
  platform::Answer MessageBox(const std::string& text, platform::Buttons buttons, platform::Icon icon) override;
  // The next queued Open-file answer, or Cancel when none is queued.
  std::optional<std::string> OpenFile(const platform::OpenFileRequest& request) override;
  bool ShiftKeyDown() override { return shiftKeyDown_; }
  void BeginWaitCursor() override { ++waitCursorDepth_; }
  void EndWaitCursor() override { --waitCursorDepth_; }

  void QueueAnswer(platform::Answer answer);
  void QueueOpenFile(std::optional<std::string> path);
  void SetShiftKey(bool down) { shiftKeyDown_ = down; }

  const std::vector<RecordedMessage>& Messages() const { return messages_; }
  const std::vector<RecordedOpenFile>& OpenFileRequests() const { return openFiles_; }
  int WaitCursorDepth() const { return waitCursorDepth_; }

 private:
  std::deque<platform::Answer> answers_;
  std::deque<std::optional<std::string>> paths_;
  std::vector<RecordedMessage> messages_;
  std::vector<RecordedOpenFile> openFiles_;
  bool shiftKeyDown_ = false;
  int waitCursorDepth_ = 0;
};

}  // namespace cvn::emulated
