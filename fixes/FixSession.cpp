#include "fixes/FixSession.h"

#include <utility>

#include "config/Answers.h"
#include "config/MessageText.h"

namespace cvn {

namespace {

constexpr int kChangeNotTaken = 10477;
constexpr int kLastFileSection = static_cast<int>(SectionId::DriverInfo);

}  // namespace

std::string FixSession::Text(int id, std::initializer_list<std::string_view> args) {
  return LoadText(context.machine.Texts(), id, args);
}

void FixSession::Tell(const std::string& text, platform::Icon icon) {
  message_ = text;
  context.machine.Ask().MessageBox(text, platform::Buttons::Ok, icon);
}

bool FixSession::AskYesNo(const std::string& text) {
  message_ = text;
  return context.machine.Ask().MessageBox(text, platform::Buttons::YesNo, platform::Icon::Question) ==
         platform::Answer::Yes;
}

bool FixSession::AskMedia(const std::string& text) {
  return context.machine.Ask().MessageBox(text, platform::Buttons::OkCancel, platform::Icon::Information) ==
         platform::Answer::Ok;
}

FixResult FixSession::NotTaken(const std::string& name) {
  Tell(Text(kChangeNotTaken, {name}));
  return Failed(FixOutcome::NotTaken);
}

void FixSession::Count(FixMode mode, FixOutcome outcome) {
  const bool revert = mode == FixMode::Revert;
  if (outcome == FixOutcome::Done) ++(revert ? counters_.revertsMade : counters_.fixesMade);
  if (outcome == FixOutcome::AtRestart) ++(revert ? counters_.revertsPendingRestart : counters_.fixesPendingRestart);
}

FixResult FixSession::Completed(FixMode mode, int sectionIndex, FixOutcome outcome, bool cancelled) {
  Count(mode, outcome);
  // A change staged for the restart leaves the machine as it is until then.
  if (outcome == FixOutcome::Done) MarkStale(mode, sectionIndex);
  MarkChangesMade(context);
  return {outcome, cancelled, message_};
}

StaleLists FixSession::TakeStale() { return std::exchange(stale_, {}); }

// A fix changes what the recent changes compare; a revert changes the items
// the check lists show: a file revert all four file lists (a file may be
// listed in several), a setting revert the INI and Registry lists.
void FixSession::MarkStale(FixMode mode, int sectionIndex) {
  if (mode == FixMode::Fix) {
    stale_.recentChanges = true;
    return;
  }
  const auto isFile = [](int section) { return section >= 0 && section <= kLastFileSection; };
  const auto isSetting = [](int section) {
    return section == static_cast<int>(SectionId::IniInfo) || section == static_cast<int>(SectionId::RegistryInfo);
  };
  for (size_t section = 0; section < stale_.checkLists.size(); ++section) {
    const int listed = static_cast<int>(section);
    if ((isFile(sectionIndex) && isFile(listed)) || (isSetting(sectionIndex) && isSetting(listed))) {
      stale_.checkLists[section] = true;
    }
  }
}

}  // namespace cvn
