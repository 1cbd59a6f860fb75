#include "tests/driver/Outcome.h"

namespace cvn::uidriver {

int ExitStatus(const Outcome& outcome) {
  if (outcome.timedOut) return status::kTimeout;
  if (outcome.unanswered > 0) return status::kUnanswered;
  if (outcome.wrongAnswers > 0) return status::kWrongAnswer;
  if (outcome.unusedAnswers > 0) return status::kUnusedAnswers;
  return status::kPassed;
}

}  // namespace cvn::uidriver
