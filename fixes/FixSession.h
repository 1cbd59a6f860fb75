// One run's repairs: the database they act on, the machine, the change
// counters the retry pages read, the lists a change makes out of date, and
// the confirmation and prompt services. The rules of a completed change
// (counting, what goes out of date, "ChangesMade") live here alone. The wizard owns one; cvntool fix
// and the tests make their own, without any window.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "fixes/FixConfirmations.h"
#include "platform/Prompts.h"

namespace cvn {

struct FixCounters {
  int32_t fixesMade = 0;
  int32_t fixesPendingRestart = 0;
  int32_t revertsMade = 0;
  int32_t revertsPendingRestart = 0;
};

enum class FixMode { Fix, Revert };

// What a repair did.
enum class FixOutcome {
  Done,            // changed at once
  AtRestart,       // staged for the next start of Windows
  Declined,        // the user answered No (or cancelled with nothing else to use)
  NoSource,        // no acceptable replacement or backup
  Refused,         // the platform refused a change; nothing was counted
  NotTaken,        // the change was made, but the check does not see it; nothing was counted
  NotApplicable,   // the item does not exist or cannot be written
};

// The one answer of a repair: what it did, whether the user cancelled a
// prompt on the way, and the last message it showed.
struct [[nodiscard]] FixResult {
  FixOutcome outcome = FixOutcome::NotApplicable;
  bool cancelled = false;
  std::string message;

  // The change took effect, at once or at the next start of Windows.
  bool Succeeded() const { return outcome == FixOutcome::Done || outcome == FixOutcome::AtRestart; }
};

// The lists a change has made out of date: the recent changes, and the
// check lists of the file and setting sections.
struct StaleLists {
  bool recentChanges = false;
  bool fileLists = false;     // the four file sections' lists
  bool settingLists = false;  // the INI and Registry lists

  bool IsStale(SectionId list) const;
};

class FixSession {
 public:
  FixSession(RunContext& runContext, ConfigDatabase& loaded, FixConfirmations& asker)
      : context(runContext), database(loaded), confirmations(asker) {}

  RunContext& context;
  ConfigDatabase& database;
  FixConfirmations& confirmations;

  const FixCounters& Counters() const { return counters_; }
  // Counts a change made outside FixFile and FixSetting (freeing disk
  // space), which is not recorded as a change of the application.
  void Count(FixMode mode, FixOutcome outcome);
  // The lists made out of date since the last call, which clears them.
  StaleLists TakeStale();

  // The string table text `id` filled with `args`.
  std::string Text(int id, std::initializer_list<std::string_view> args = {});
  // A message box with an OK button, remembered as the repair's message.
  void Tell(const std::string& text, platform::Icon icon = platform::Icon::Error);
  // A question with Yes and No; true for Yes.
  bool AskYesNo(const std::string& text);
  // An insert-media prompt with OK and Cancel; true for OK.
  bool AskMedia(const std::string& text);
  // Whether the repair under way has shown a message yet.
  bool Told() const { return !message_.empty(); }

  // Starts a repair: no message shown yet.
  void Begin() { message_.clear(); }
  // Ends a repair that changed nothing.
  FixResult Failed(FixOutcome outcome, bool cancelled = false) const { return {outcome, cancelled, message_}; }
  // Tells that the change to `name` did not take effect.
  FixResult NotTaken(const std::string& name);
  // Ends a repair that took effect (`outcome` Done or AtRestart) of an item
  // of `section`: counts it, marks the lists it made out of
  // date and records "ChangesMade", alike for the wizard and cvntool fix.
  FixResult Completed(FixMode mode, SectionId section, FixOutcome outcome, bool cancelled = false);

 private:
  void MarkStale(FixMode mode, SectionId section);

  FixCounters counters_;
  StaleLists stale_;
  std::string message_;
};

}  // namespace cvn
