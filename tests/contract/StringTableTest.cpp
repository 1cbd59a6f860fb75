// The program's string table as LoadString returns it: every character kept,
// escapes resolved, nothing for an id the table does not hold.
#include <string>

#include "tests/contract/Contract.h"

namespace cvn::test {
namespace {

struct StringCase {
  int id;
  const char* expected;
  const char* what;
};

TEST_F(ContractTest, StringsLoadExactlyAsWritten) {
  const StringCase cases[] = {
      {10000, "&About Corvane", "first id, with an accelerator"},
      {10434, "Previous:", "last id"},
      {10364, "You will need to restart Windows for the change to take effect.  ",
       "two trailing blanks"},
      {10352, "  This file is not required.", "two leading blanks"},
      {10019, "[", "a single character"},
      {10072, "Unable to load Configuration Database file '%s'.", "%s in single quotes"},
      {10224, "*\tError found:\titem could be the cause of a problem.", "tabs"},
      {10422,
       "Since you indicated that the application just recently started having problems, using "
       "this section should be very helpful and is highly recommended.",
       "the longest text"},
      {10004, "", "an id between texts that has none"},
      {10435, "", "past the last id"},
  };
  for (const StringCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + ": " + c.what);
    EXPECT_EQ(machine().Texts().Load(c.id), c.expected);
  }
}

}  // namespace
}  // namespace cvn::test
