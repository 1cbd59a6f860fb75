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

// Windows-1252, the code page of the tests' locale, letter by letter as
// CharLowerBuff and CharUpperBuff give it: no lead bytes, and the letters
// beyond ASCII with their odd pairs.
TEST_F(ContractTest, LetterCaseOfTheAnsiCodePage) {
  const platform::CaseRules rules = machine().Texts().LetterCase();
  for (size_t byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    EXPECT_FALSE(rules.leadByte[byte]);
    const bool upper = (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
    const bool lower = (byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7);
    if (upper) {
      EXPECT_EQ(rules.lower[byte], byte + 0x20);
    }
    if (lower) {
      EXPECT_EQ(rules.upper[byte], byte - 0x20);
    }
    if (!upper && byte != 0x8A && byte != 0x8C && byte != 0x8E && byte != 0x9F) {
      EXPECT_EQ(rules.lower[byte], byte);
    }
  }
  EXPECT_EQ(rules.lower[0x8A], 0x9A);
  EXPECT_EQ(rules.lower[0x9F], 0xFF);
  EXPECT_EQ(rules.upper[0xFF], 0x9F);
  EXPECT_EQ(rules.upper[0xDF], 0xDF);  // sharp s has no upper case of its own
}

}  // namespace
}  // namespace cvn::test
