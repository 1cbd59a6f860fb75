// The driver's exit status: the failure that explains the others wins.
#include "tests/driver/Outcome.h"

#include <gtest/gtest.h>

namespace cvn::uidriver {
namespace {

TEST(OutcomeTest, StatusOfEachFailureAndOfTheirMixes) {
  struct Case {
    Outcome outcome;
    int status;
  };
  const Case cases[] = {
      {{}, status::kPassed},
      {{false, 0, 0, 1}, status::kUnusedAnswers},
      {{false, 0, 1, 0}, status::kWrongAnswer},
      {{false, 0, 1, 3}, status::kWrongAnswer},
      {{false, 1, 0, 0}, status::kUnanswered},
      {{false, 2, 1, 0}, status::kUnanswered},
      {{true, 0, 0, 0}, status::kTimeout},
      {{true, 1, 1, 2}, status::kTimeout},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExitStatus(c.outcome), c.status)
        << c.outcome.timedOut << c.outcome.unanswered << c.outcome.wrongAnswers
        << c.outcome.unusedAnswers;
  }
}

}  // namespace
}  // namespace cvn::uidriver
