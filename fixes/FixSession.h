// One run's repairs: the database they act on, the machine, the change
// counters the retry pages read, the lists a change makes out of date, and
// the confirmation and prompt services. The wizard owns one; cvntool fix
// and the tests make their own, without any window.
#pragma once

#include <array>
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

// What a repair did, beside its result code.
enum class FixOutcome {
  None,            // nothing was tried yet
  Done,            // changed at once
  AtRestart,       // staged for the next start of Windows
  Declined,        // the user answered No (or cancelled with nothing else to use)
  NoSource,        // no acceptable replacement or backup
  Refused,         // the platform refused a change; nothing was counted
  NotTaken,        // the change was made, but the check does not see it; nothing was counted
  NotApplicable,   // the item does not exist or cannot be written
};

class FixSession {
 public:
  FixSession(RunContext& runContext, ConfigDatabase& loaded, FixConfirmations& asker)
      : context(runContext), database(loaded), confirmations(asker) {}

  RunContext& context;
  ConfigDatabase& database;
  FixConfirmations& confirmations;
  FixCounters counters;

  // Lists a change has made out of date: the recent changes (after a fix),
  // and the check page of a section (after a revert), by section index 0..8.
  bool recentChangesStale = false;
  std::array<bool, 9> checkPageStale{};

  // What the last repair did and the last message it showed.
  FixOutcome lastOutcome = FixOutcome::None;
  std::string lastMessage;

  // The string table text `id` filled with `args`.
  std::string Text(int id, std::initializer_list<std::string_view> args = {});
  // A message box with an OK button, remembered as the last message.
  void Tell(const std::string& text, platform::Icon icon = platform::Icon::Error);
  // A question with Yes and No; true for Yes.
  bool AskYesNo(const std::string& text);
  // An insert-media prompt with OK and Cancel; true for OK.
  bool AskMedia(const std::string& text);

  // Tells that the change to `name` did not take effect, and records so.
  int32_t NotTaken(const std::string& name, int32_t result);

  // Records what a repair did and passes its result on.
  int32_t Finish(FixOutcome outcome, int32_t result) {
    lastOutcome = outcome;
    return result;
  }

  // Marks the lists a completed change makes out of date.
  void MarkStale(FixMode mode, int sectionIndex);
};

}  // namespace cvn
