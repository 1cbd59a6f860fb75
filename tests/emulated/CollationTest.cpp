// lstrcmp's word sort, as CompareText answers it.
#include "platform/emulated/Collation.h"

#include <gtest/gtest.h>

namespace cvn::emulated {
namespace {

TEST(CollationTest, OrdersAsAWordSort) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {
      {"apple", "APPLE", -1},      // equal but for case: lower case first
      {"Apple", "apricot", -1},    // case counts only on a tie
      {"abc", "abc", 0},
      {"ab", "abc", -1},
      {"coop", "co-op", -1},       // the hyphen counts only on a tie
      {"co-op", "cop", -1},
      {"it's", "its", 1},
      {"Co-op", "coop", 1},        // case before the hyphen
      {"_x", "0x", -1},            // symbols before digits
      {"9", "a", -1},              // digits before letters
      {"a_b", "ab", -1},
      {"z", "\xE9", 1},            // an accented letter sorts with its letter
      {"e", "\xE9", -1},
      {"\xE9" "a", "eb", -1},       // the accent counts only on a tie
      {"co-op", "coo-p", 1},       // a later hyphen comes first
      {"a b", "ab", -1},
      {"~", "+", -1},
      {"!", " ", 1},
      {"File10", "File9", -1},     // no numeric sort
  };
  for (const auto& c : cases) {
    const int result = CompareWords(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " / " << c.b;
    const int reverse = CompareWords(c.b, c.a);
    EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.b << " / " << c.a;
  }
}

}  // namespace
}  // namespace cvn::emulated
