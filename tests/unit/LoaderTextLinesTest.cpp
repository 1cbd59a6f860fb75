// Splitting a database file into lines and cleaning them.
#include "config/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cvn {
namespace {

std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  LineSplitter splitter(bytes);
  std::string_view line;
  while (splitter.Next(line)) lines.emplace_back(line);
  return lines;
}

using Strings = std::vector<std::string>;

TEST(LoaderTextLinesTest, LineEnds) {
  EXPECT_EQ(Lines("a\r\nb\nc"), (Strings{"a", "b", "c"}));
  EXPECT_EQ(Lines("a\n\n"), (Strings{"a", ""}));
  EXPECT_EQ(Lines(""), Strings{});
  EXPECT_EQ(Lines("a\rb\r\r\n"), (Strings{"a\rb\r"}));
  EXPECT_EQ(Lines(std::string_view("ab\0cd\nef", 8)), (Strings{"ab", "ef"}));
  EXPECT_EQ(Lines("a\nb\x1a\nc\n"), (Strings{"a", "b"}));
}

TEST(LoaderTextLinesTest, CleanLine) {
  const struct {
    const char* line;
    const char* clean;
  } cases[] = {
      {"  Key=Value ; note", "Key=Value"},
      {"; comment", ""},
      {"\t \v\f", ""},
      {"Key=\"a;b\" ; c", "Key=\"a;b\""},
      {"Key=\"open;quote", "Key=\"open;quote"},
      {"a\"b\"c;d", "a\"b\"c"},
      {"[Section] ;x", "[Section]"},
      {"x\r", "x"},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanLine(c.line), c.clean) << c.line;
}

}  // namespace
}  // namespace cvn
