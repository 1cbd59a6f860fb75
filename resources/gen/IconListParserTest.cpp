#include "resources/gen/IconListParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "resources/IconTable.h"

namespace cvn::resources {
namespace {

TEST(IconListParserTest, ReadsNumbersBetweenComments) {
  const ParsedIconList list = ParseIconList(
      "/* icons,\n   two lines of comment */\n"
      "131 ICON \"b.ico\"   // after\n"
      "\n"
      "  7\tICON \"dir/a.ico\"\r\n"
      "/* one */ 65535 ICON \"c.ico\" /* two */\n");
  ASSERT_TRUE(list.ok()) << list.error;
  EXPECT_EQ(list.ids, (std::vector<int>{7, 131, 65535}));
}

TEST(IconListParserTest, RefusesWhatItDoesNotUnderstand) {
  struct Case {
    const char* script;
    int line;
    std::string error;
  };
  const Case cases[] = {
      {"1 ICON \"a.ico\"\nIDI_APP ICON \"b.ico\"\n", 2, "expected an icon number"},
      {"0 ICON \"a.ico\"\n", 1, "expected an icon number"},
      {"65536 ICON \"a.ico\"\n", 1, "expected an icon number"},
      {"5 BITMAP \"a.bmp\"\n", 1, "expected `number ICON"},
      {"5ICON \"a.ico\"\n", 1, "expected `number ICON"},
      {"5 ICON a.ico\n", 1, "expected one quoted file name"},
      {"5 ICON \"\"\n", 1, "expected one quoted file name"},
      {"5 ICON \"a.ico\" \"b.ico\"\n", 1, "expected one quoted file name"},
      {"5 ICON \"a.ico\"\n5 ICON \"b.ico\"\n", 2, "icon 5 is listed twice"},
      {"5 ICON \"a.ico\"\n/* open\n", 2, "comment not closed"},
      {"// nothing\n", 1, "no icon listed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    const ParsedIconList list = ParseIconList(c.script);
    EXPECT_FALSE(list.ok());
    EXPECT_TRUE(list.ids.empty());
    EXPECT_EQ(list.errorLine, c.line);
    EXPECT_EQ(list.error.substr(0, c.error.size()), c.error) << list.error;
  }
}

// The generated table knows exactly the icons of the script.
TEST(IconListParserTest, GeneratedTableMatchesTheScript) {
  std::ifstream in(CORVANE_ICON_SCRIPT, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  const ParsedIconList list = ParseIconList(content.str());
  ASSERT_TRUE(list.ok()) << list.error;
  const std::set<int> ids(list.ids.begin(), list.ids.end());
  for (int id = 0; id <= 65536; ++id) {
    EXPECT_EQ(HasIcon(id), ids.contains(id)) << id;
  }
}

}  // namespace
}  // namespace cvn::resources
