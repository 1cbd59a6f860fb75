// The driver's command line.
#include "tests/driver/Options.h"

#include <gtest/gtest.h>

namespace cvn::uidriver {
namespace {

using Args = std::vector<std::string>;

TEST(OptionsWalkTest, WalkTakesNoValue) {
  const ParsedOptions parsed = ParseOptions({"--walk", "--cmdline", "x.exe"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_TRUE(parsed.options->walk);
  EXPECT_FALSE(parsed.options->observe);
  const ParsedOptions observing = ParseOptions({"--cmdline", "x.exe", "--observe"});
  ASSERT_TRUE(observing.options) << observing.error;
  EXPECT_TRUE(observing.options->observe);
}

TEST(OptionsTest, EveryOptionInAnyOrder) {
  const ParsedOptions parsed =
      ParseOptions({"--answer", "yes", "--timeout", "5", "--cmdline", "\"C:\\a b\\x.exe\" /q",
                    "--answer", "file:C:\\x.cdb", "--screenshot-dir", "Z:\\tmp\\shots"});
  ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
  const Options& options = *parsed.options;
  EXPECT_EQ(options.timeoutSeconds, 5u);
  EXPECT_EQ(options.commandLine, "\"C:\\a b\\x.exe\" /q");
  EXPECT_EQ(options.screenshotDir, "Z:\\tmp\\shots");
  ASSERT_EQ(options.answers.size(), 2u);
  EXPECT_EQ(options.answers[0].text, "yes");
  EXPECT_EQ(options.answers[1].argument, "C:\\x.cdb");
}

TEST(OptionsTest, OnlyTheCommandLineIsNeeded) {
  const ParsedOptions parsed = ParseOptions({"--cmdline", "x.exe"});
  ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
  EXPECT_EQ(parsed.options->timeoutSeconds, kDefaultTimeoutSeconds);
  EXPECT_TRUE(parsed.options->answers.empty());
  EXPECT_TRUE(parsed.options->screenshotDir.empty());
}

TEST(OptionsTest, BadCommandLinesSayWhy) {
  struct Case {
    Args args;
    const char* error;
  };
  const Case cases[] = {
      {{}, "no --cmdline given"},
      {{"--answer", "ok"}, "no --cmdline given"},
      {{"--cmdline"}, "--cmdline needs a value"},
      {{"--cmdline", ""}, "empty command line"},
      {{"--cmdline", "x", "--answer"}, "--answer needs a value"},
      {{"--answer", "maybe", "--cmdline", "x"}, "bad answer: maybe"},
      {{"--timeout", "0", "--cmdline", "x"}, "bad timeout: 0"},
      {{"--timeout", "3601", "--cmdline", "x"}, "bad timeout: 3601"},
      {{"--timeout", "5s", "--cmdline", "x"}, "bad timeout: 5s"},
      {{"--timeout", "-1", "--cmdline", "x"}, "bad timeout: -1"},
      {{"--timeout", "99999999999", "--cmdline", "x"}, "bad timeout: 99999999999"},
      {{"--screenshot-dir", "", "--cmdline", "x"}, "empty screenshot folder"},
      {{"--verbose", "1", "--cmdline", "x"}, "unknown option: --verbose"},
      {{"x.exe"}, "x.exe needs a value"},
      {{"--observe", "--answer", "ok", "--cmdline", "x"}, "--observe answers nothing: no --answer or --walk with it"},
      {{"--walk", "--observe", "--cmdline", "x"}, "--observe answers nothing: no --answer or --walk with it"},
  };
  for (const Case& c : cases) {
    const ParsedOptions parsed = ParseOptions(c.args);
    EXPECT_FALSE(parsed.options.has_value()) << c.error;
    EXPECT_EQ(parsed.error, c.error);
  }
}

TEST(OptionsTest, TheLongestTimeoutIsAllowed) {
  const ParsedOptions parsed = ParseOptions({"--timeout", "3600", "--cmdline", "x"});
  ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
  EXPECT_EQ(parsed.options->timeoutSeconds, kMaxTimeoutSeconds);
}

}  // namespace
}  // namespace cvn::uidriver
