#include "fixes/FixSession.h"

#include <utility>

#include "config/Answers.h"
#include "config/MessageText.h"
#include "resources/StringIds.h"

namespace cvn {

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
  Tell(Text(IDS_CHANGE_NOT_TAKEN, {name}));
  return Failed(FixOutcome::NotTaken);
}

void FixSession::Count(FixMode mode, FixOutcome outcome) {
  const bool revert = mode == FixMode::Revert;
  if (outcome == FixOutcome::Done) ++(revert ? counters_.revertsMade : counters_.fixesMade);
  if (outcome == FixOutcome::AtRestart) ++(revert ? counters_.revertsPendingRestart : counters_.fixesPendingRestart);
}

bool StaleLists::IsStale(SectionId list) const {
  switch (KindOf(list)) {
    case SectionKind::File:
      return fileLists;
    case SectionKind::Setting:
      return settingLists;
    case SectionKind::RecentChanges:
      return recentChanges;
    default:
      return false;
  }
}

FixResult FixSession::Completed(FixMode mode, SectionId section, FixOutcome outcome, bool cancelled) {
  Count(mode, outcome);
  // A change staged for the restart leaves the machine as it is until then.
  if (outcome == FixOutcome::Done) MarkStale(mode, section);
  MarkChangesMade(context);
  return {outcome, cancelled, message_};
}

StaleLists FixSession::TakeStale() { return std::exchange(stale_, {}); }

// A fix changes what the recent changes compare; a revert changes the items
// the check lists show: a file revert all four file lists (a file may be
// listed in several), a setting revert the INI and Registry lists.
void FixSession::MarkStale(FixMode mode, SectionId section) {
  if (mode == FixMode::Fix) {
    stale_.recentChanges = true;
  } else if (KindOf(section) == SectionKind::File) {
    stale_.fileLists = true;
  } else if (KindOf(section) == SectionKind::Setting) {
    stale_.settingLists = true;
  }
}

}  // namespace cvn
