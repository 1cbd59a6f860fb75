// The transcript lines of dialogs and the text helpers behind them.
#include "tests/driver/Dialog.h"

#include <gtest/gtest.h>

namespace cvn::uidriver {
namespace {

struct TextCase {
  const char* in;
  const char* out;
};

TEST(DialogTextTest, MnemonicsAreDroppedAndDoubledAmpersandsKept) {
  const TextCase cases[] = {
      {"&Yes", "Yes"},      {"OK", "OK"},   {"Save && &quit", "Save & quit"},
      {"&&&Open", "&Open"}, {"end&", "end"}, {"", ""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(WithoutMnemonics(c.in), c.out) << c.in;
}

TEST(DialogTextTest, EveryKindOfLineBreakBecomesBackslashN) {
  const TextCase cases[] = {
      {"a\r\nb", "a\\nb"}, {"a\nb", "a\\nb"},     {"a\rb", "a\\nb"},
      {"a\n\rb", "a\\n\\nb"}, {"a\r\n\r\n", "a\\n\\n"}, {"no break", "no break"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(OnOneLine(c.in), c.out) << c.in;
}

TEST(DialogDescribeTest, OneLinePerKindWithWhatThatKindShows) {
  struct Case {
    DialogView dialog;
    const char* line;
  };
  const Case cases[] = {
      {{.kind = DialogKind::Message,
        .title = "Corvane",
        .message = "Replace the file?\r\nIt is in use.",
        .buttons = {{kIdYes, "&Yes"}, {kIdNo, "&No"}}},
       "message: Replace the file?\\nIt is in use. | buttons: Yes,No"},
      {{.kind = DialogKind::Message, .message = "Nothing to press"},
       "message: Nothing to press | buttons: "},
      {{.kind = DialogKind::OpenFile,
        .title = "Open",
        .filter = "Databases (*.cdb)",
        .buttons = {{kIdOk, "&Open"}, {kIdCancel, "Cancel"}}},
       "open-file: Open | filter: Databases (*.cdb)"},
      {{.kind = DialogKind::OpenFile, .title = "Find\nit"}, "open-file: Find\\nit | filter: "},
      {{.title = "Corvane Setup", .message = "not shown", .buttons = {{kIdOk, "OK"}}},
       "dialog: Corvane Setup"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(c.dialog), c.line);
}

TEST(DialogDescribeTest, ListRowsOneLineEachWithTheirImage) {
  EXPECT_EQ(DescribeRows({}), std::vector<std::string>{"rows: none"});
  const std::vector<std::string> lines =
      DescribeRows({{{"kernel32.dll", "6.1"}, 3}, {{"two\r\nlines", ""}, -1}, {{"alone"}, 0}});
  EXPECT_EQ(lines, (std::vector<std::string>{"row: kernel32.dll | 6.1 | image: 3",
                                             "row: two\\nlines |  | image: -1",
                                             "row: alone | image: 0"}));
}

TEST(DialogDescribeTest, KindNamesNameTheScreenshots) {
  EXPECT_STREQ(KindName(DialogKind::Message), "message");
  EXPECT_STREQ(KindName(DialogKind::OpenFile), "open-file");
  EXPECT_STREQ(KindName(DialogKind::Other), "dialog");
}

}  // namespace
}  // namespace cvn::uidriver
