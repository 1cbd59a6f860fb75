#include "fixes/FixSession.h"

#include "config/MessageText.h"

namespace cvn {

namespace {

constexpr int kChangeNotTaken = 10477;

}  // namespace

std::string FixSession::Text(int id, std::initializer_list<std::string_view> args) {
  return LoadText(context.machine.Texts(), id, args);
}

void FixSession::Tell(const std::string& text, platform::Icon icon) {
  lastMessage = text;
  context.machine.Ask().MessageBox(text, platform::Buttons::Ok, icon);
}

bool FixSession::AskYesNo(const std::string& text) {
  lastMessage = text;
  return context.machine.Ask().MessageBox(text, platform::Buttons::YesNo, platform::Icon::Question) ==
         platform::Answer::Yes;
}

bool FixSession::AskMedia(const std::string& text) {
  return context.machine.Ask().MessageBox(text, platform::Buttons::OkCancel, platform::Icon::Information) ==
         platform::Answer::Ok;
}

int32_t FixSession::NotTaken(const std::string& name, int32_t result) {
  Tell(Text(kChangeNotTaken, {name}));
  return Finish(FixOutcome::NotTaken, result);
}

void FixSession::MarkStale(FixMode mode, int sectionIndex) {
  if (mode == FixMode::Fix) {
    recentChangesStale = true;
  } else if (sectionIndex >= 0 && static_cast<size_t>(sectionIndex) < checkPageStale.size()) {
    checkPageStale[static_cast<size_t>(sectionIndex)] = true;
  }
}

}  // namespace cvn
