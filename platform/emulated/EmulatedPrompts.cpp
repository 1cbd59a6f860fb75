#include "platform/emulated/EmulatedPrompts.h"

namespace cvn::emulated {

using platform::Answer;
using platform::Buttons;

EmulatedPrompts::EmulatedPrompts(const MachineFacts& facts) : shiftKeyDown_(facts.shiftKeyDown) {
  for (const auto& scripted : facts.prompts) {
    if (scripted.kind == ScriptedAnswer::Kind::MessageBox) {
      answers_.push_back(scripted.answer);
    } else {
      paths_.push_back(scripted.path);
    }
  }
}

Answer EmulatedPrompts::MessageBox(const std::string& text, Buttons buttons, platform::Icon icon) {
  RecordedMessage message{text, buttons, icon, Answer::Ok, false};
  if (buttons != Buttons::Ok) {
    if (answers_.empty()) {
      message.answer = buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
      message.unscripted = true;
    } else {
      message.answer = answers_.front();
      answers_.pop_front();
    }
  }
  messages_.push_back(message);
  return message.answer;
}

std::optional<std::string> EmulatedPrompts::OpenFile(const platform::OpenFileRequest& request) {
  RecordedOpenFile record{request, std::nullopt, paths_.empty()};
  if (!paths_.empty()) {
    record.answer = paths_.front();
    paths_.pop_front();
  }
  openFiles_.push_back(record);
  return record.answer;
}

void EmulatedPrompts::QueueAnswer(Answer answer) { answers_.push_back(answer); }

void EmulatedPrompts::QueueOpenFile(std::optional<std::string> path) { paths_.push_back(std::move(path)); }

}  // namespace cvn::emulated
