#include "config/VisibleText.h"

#include <gtest/gtest.h>

#include <string>

namespace cvn {
namespace {

using namespace std::string_literals;

TEST(VisibleTextTest, ControlCharactersAreNamedAndLineBreaksOfTheUsersWordsKept) {
  const struct {
    std::string text;
    const char* visible;
    const char* lines;
  } cases[] = {
      {"red\tand blue", "red<TAB>and blue", "red<TAB>and blue"},
      {"a\r\nb\nc\rd", "a<CR><LF>b<LF>c<CR>d", "a\nb\nc\nd"},
      {"\r\n\r\n", "<CR><LF><CR><LF>", "\n\n"},
      {"\0\x1B\x1F\x7F"s, "<NUL><ESC><US><DEL>", "<NUL><ESC><US><DEL>"},
      {"M\xFCller \x80 <TAB>", "M\xFCller \x80 <TAB>", "M\xFCller \x80 <TAB>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VisibleText(c.text), c.visible) << c.visible;
    EXPECT_EQ(VisibleText(VisibleText(c.text)), c.visible) << "applied twice";
    EXPECT_EQ(VisibleLines(c.text), c.lines) << c.visible;
  }
}

}  // namespace
}  // namespace cvn
