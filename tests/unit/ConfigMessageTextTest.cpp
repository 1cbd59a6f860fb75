// Filling the printf-style formats of the string table.
#include "config/MessageText.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TEST(ConfigMessageTextTest, ConversionsTakeTheArgumentsInOrder) {
  const struct {
    const char* format;
    std::initializer_list<std::string_view> args;
    const char* text;
  } cases[] = {
      {"Unable to open Configuration Database file '%s'.", {"c:\\x.cdb"},
       "Unable to open Configuration Database file 'c:\\x.cdb'."},
      {"(actual: %lu bytes %s, expected: %lu bytes %s).", {"1", "a", "2", "b"},
       "(actual: 1 bytes a, expected: 2 bytes b)."},
      {"100%% %s", {"done"}, "100% done"},
      {"[%5s][%-5s][%05d][%05d]", {"ab", "cd", "42", "-42"}, "[   ab][cd   ][00042][-0042]"},
      {"%.3s|%c", {"abcdef", "Z"}, "abc|Z"},
      {"%s and %s", {"one"}, "one and "},   // a missing argument is empty
      {"no conversions", {"unused"}, "no conversions"},
      {"trailing %", {}, "trailing "},
      {"%ld%hd", {"1", "2"}, "12"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatText(c.format, c.args), c.text) << c.format;
}

}  // namespace
}  // namespace cvn
