// How a run of the program under test went, and the driver's exit status.
#pragma once

#include <cstddef>

namespace cvn::uidriver {

namespace status {
inline constexpr int kPassed = 0;        // every answer used, the program ended in time
inline constexpr int kFailedToRun = 1;   // bad arguments, or the program did not start
inline constexpr int kUnanswered = 2;    // a dialog came with no answer left
inline constexpr int kTimeout = 3;       // the program was still running at the deadline
inline constexpr int kUnusedAnswers = 4; // the program ended before every answer was used
inline constexpr int kWrongAnswer = 5;   // an answer did not fit its dialog
}  // namespace status

struct Outcome {
  bool timedOut = false;
  int unanswered = 0;
  int wrongAnswers = 0;
  size_t unusedAnswers = 0;
};

// The status of the failure that explains the others: a timeout before a
// dialog without an answer, before a wrong answer, before answers left over
// (which the others usually cause).
int ExitStatus(const Outcome& outcome);

}  // namespace cvn::uidriver
