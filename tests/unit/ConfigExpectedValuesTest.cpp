// How the expected value of a setting is shown.
#include "config/ExpectedValues.h"

#include <gtest/gtest.h>

#include "tests/unit/ConfigTestSupport.h"

namespace cvn {
namespace {

class ConfigExpectedValuesTest : public test::ConfigMachineTest {};

TEST_F(ConfigExpectedValuesTest, DisplayForms) {
  Start();
  const struct {
    const char* valueText;
    const char* shown;
  } cases[] = {
      {"*", "[Any non-blank value]"},
      {"\"quoted\"", "quoted"},
      {"\"", "\""},
      {"W|Sub\\", "c:\\windows\\sub"},
      {"\"W|x.dll\"", "c:\\windows\\x.dll"},
      {"[a, b, c]", "[a, b, or c]"},
      {"[ \"a\", \"b\" ]", "[a, or b]"},
      {"{x}", "[Contains: x]"},
      {"{vbrun, W|a}", "[Contains: vbrun, or c:\\windows\\a]"},
      {"[x]", "[x]"},
      {"[]", "[]"},
      {"[", "["},
      {"plain", "plain"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatExpectedValues(*context_, c.valueText), c.shown) << c.valueText;
  }
}

}  // namespace
}  // namespace cvn
