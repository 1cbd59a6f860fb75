#include "util/text/ColumnWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace cvn {
namespace {

// Rows joined by carriage return and line feed, as the file holds them.
std::string Rows(std::initializer_list<std::string> rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\r\n";
  return text;
}

std::string Blanks(size_t count) { return std::string(count, ' '); }

class ColumnWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { writer_.SetFile(&file_); }

  void Tabs(std::initializer_list<int32_t> positions) {
    size_t index = 0;
    for (const int32_t position : positions) writer_.SetTab(index++, position);
  }

  void Write(std::string line, int32_t emptyLines = 0) {
    writer_.line = std::move(line);
    writer_.WriteLine(emptyLines);
  }

  TextFile file_;
  ColumnWriter writer_;
};

TEST_F(ColumnWriterTest, LinesEndInCarriageReturnAndLineFeed) {
  Write("one", 1);
  Write("two");
  EXPECT_EQ(file_, "one\r\n\r\ntwo\r\n");
  EXPECT_TRUE(writer_.line.empty());
}

TEST_F(ColumnWriterTest, EmptyLineWritesOnlyTheRequestedNewlines) {
  Write("");
  EXPECT_EQ(file_, "");
  Write("", 2);
  EXPECT_EQ(file_, "\r\n\r\n");
}

TEST_F(ColumnWriterTest, NewLinesWritesOneMoreThanAskedAndSpacesWritesBlanks) {
  writer_.NewLines(0);
  writer_.Spaces(3);
  writer_.NewLines(1);
  EXPECT_EQ(file_, "\r\n   \r\n\r\n");
}

TEST_F(ColumnWriterTest, WithoutFileNothingIsWritten) {
  writer_.SetFile(nullptr);
  Write("text", 2);
  writer_.NewLines(3);
  writer_.Spaces(4);
  EXPECT_EQ(file_, "");
}

TEST_F(ColumnWriterTest, FieldsStartAtTheirTabStops) {
  Tabs({0, 6, 22});
  Write("*\tError found:\titem could be the cause of a problem.");
  EXPECT_EQ(file_, Rows({"*     Error found:    item could be the cause of a problem."}));
}

TEST_F(ColumnWriterTest, FirstTabStopIndentsTheRow) {
  Tabs({3, 18});
  Write("Application:\tSample");
  EXPECT_EQ(file_, Rows({"   Application:   Sample"}));
}

TEST_F(ColumnWriterTest, FieldsAfterTheLastColumnAreDropped) {
  Tabs({6});
  Write("DEVICE=HIMEM.SYS\tdropped\talso dropped");
  EXPECT_EQ(file_, Rows({"      DEVICE=HIMEM.SYS"}));
}

TEST_F(ColumnWriterTest, SettingColumnZeroAloneGivesOneColumn) {
  Tabs({0, 5, 10});
  writer_.SetTab(0, 2);
  Write("a\tb");
  EXPECT_EQ(file_, Rows({"  a"}));
}

TEST_F(ColumnWriterTest, SettingALowerColumnAboveOneKeepsTheLastColumn) {
  Tabs({0, 2, 4, 6});
  writer_.SetTab(2, 3);
  Write("a\tb\tc\td");
  EXPECT_EQ(file_, Rows({"a b c d"}));
}

TEST_F(ColumnWriterTest, OverflowPushesTheFollowingColumnsOnThatRowOnly) {
  writer_.SetMarginAndWidth(0, 40);
  Tabs({0, 3, 21});
  Write("*\tVERYLONGFILENAME1234567\tone two three four five six");
  EXPECT_EQ(file_, Rows({"*  VERYLONGFILENAME1234567 one two three", Blanks(21) + "four five six"}));
}

// A field that fills its room exactly, or more, keeps one blank before the
// field after it; an empty one, or the line's last, keeps none.
TEST_F(ColumnWriterTest, AFieldThatFillsItsColumnKeepsABlankBeforeTheNext) {
  Tabs({0, 3, 39, 54});
  Write(" \tAvailable Virtual Memory\t123456789.50 MB\t4 MB");
  Write("\t\t\tend");
  Write("\tA field as wide as its co\t123456789.50 MB");
  EXPECT_EQ(file_, Rows({"   Available Virtual Memory            123456789.50 MB 4 MB", Blanks(54) + "end",
                         "   A field as wide as its co           123456789.50 MB"}));
}

TEST_F(ColumnWriterTest, OverflowShrinksTheRoomOfTheNextInnerColumn) {
  Tabs({0, 3, 21, 33});
  Write("x\t12345678901234567890\tab\tend");
  EXPECT_EQ(file_, Rows({"x  12345678901234567890 ab       end"}));
}

TEST_F(ColumnWriterTest, LastColumnWithoutRoomLeftStartsOnTheNextRow) {
  writer_.SetMarginAndWidth(0, 40);
  Tabs({0, 10});
  const std::string first(43, 'A');
  Write(first + "\tend");
  EXPECT_EQ(file_, Rows({first + " ", Blanks(10) + "end"}));
}

TEST_F(ColumnWriterTest, TextWithoutWhiteSpaceIsCutHardAtTheRoom) {
  writer_.SetMarginAndWidth(0, 40);
  Tabs({0});
  Write(std::string(45, 'x'));
  EXPECT_EQ(file_, Rows({std::string(40, 'x'), "xxxxx"}));
}

TEST_F(ColumnWriterTest, BlankJustAfterTheRoomBreaksExactlyAtTheRoom) {
  writer_.SetMarginAndWidth(0, 40);
  Tabs({0, 4});
  Write("-\t" + std::string(36, 'a') + "   bbb");
  EXPECT_EQ(file_, Rows({"-   " + std::string(36, 'a'), Blanks(4) + "bbb"}));
}

TEST_F(ColumnWriterTest, WidthBelowFortyIsReadAsForty) {
  for (const int32_t width : {20, INT32_MIN}) {
    file_.clear();
    writer_.SetMarginAndWidth(0, width);
    Write(std::string(45, 'x'));
    EXPECT_EQ(file_, Rows({std::string(40, 'x'), "xxxxx"})) << "width " << width;
  }
}

// A line feed in the last column's field goes on at the column's tab stop,
// each line wrapped on its own; an empty line is an empty row. The underline
// row repeats the rows.
TEST_F(ColumnWriterTest, LineFeedsInTheLastColumnStartRowsAtItsTabStop) {
  writer_.SetMarginAndWidth(0, 60);
  Tabs({3, 25});
  Write("Problem Description\tIt crashes.\n\nSteps: open a note, then restart Windows.\n  indented");
  writer_.SetUnderline(1);
  Write("Head\tone\ntwo");
  EXPECT_EQ(file_, Rows({"   Problem Description   It crashes.", "", Blanks(25) + "Steps: open a note, then restart",
                         Blanks(25) + "Windows.", Blanks(25) + "  indented",
                         "   Head                  one", Blanks(25) + "two", "   ====                  ===",
                         Blanks(25) + "==="}));
}

TEST_F(ColumnWriterTest, MarginOutsideTheWidthIsReadAsZero) {
  for (const int32_t margin : {-5, 41}) {
    file_.clear();
    writer_.SetMarginAndWidth(margin, 80);
    Write("text");
    EXPECT_EQ(file_, Rows({"text"})) << "margin " << margin;
  }
}

// A last column whose full room is below 2 gets at most its first
// characters and no wrapping.
struct TinyRoomCase {
  int32_t width;
  std::string lastField;
};

TEST_F(ColumnWriterTest, FullRoomBelowTwoWritesOnlyWhatFits) {
  const std::string row = "*  Windows Version" + Blanks(21) + "Win 95" + Blanks(9);
  const TinyRoomCase cases[] = {{40, ""}, {54, ""}, {55, "N"}};
  for (const TinyRoomCase& c : cases) {
    file_.clear();
    writer_.SetMarginAndWidth(0, c.width);
    Tabs({0, 3, 39, 54});
    Write("*\tWindows Version\tWin 95\tNT 4.0");
    EXPECT_EQ(file_, Rows({row + c.lastField})) << "width " << c.width;
  }
}

TEST_F(ColumnWriterTest, HeadingIsUnderlinedWithEqualSignsAcrossItsWrapping) {
  writer_.SetMarginAndWidth(0, 40);
  writer_.SetUnderline(1);
  Tabs({0});
  Write("Heading text that is long enough to wrap around here", 1);
  EXPECT_EQ(file_, Rows({"Heading text that is long enough to wrap", "around here", std::string(40, '='),
                         std::string(11, '='), ""}));
}

TEST_F(ColumnWriterTest, ColumnHeadIsUnderlinedFieldByFieldWithBlanksBetween) {
  writer_.SetUnderline(2);
  Tabs({0, 3, 21, 33, 48});
  Write("\tFile Name\tActual Ver\tRequired Ver\tNotes");
  EXPECT_EQ(file_, Rows({"   File Name         Actual Ver  Required Ver   Notes",
                         "   ---------         ----------  ------------   -----"}));
}

TEST_F(ColumnWriterTest, UnderlineRowRepeatsOverflowAndWrapping) {
  writer_.SetMarginAndWidth(0, 40);
  writer_.SetUnderline(2);
  Tabs({0, 3, 21});
  Write("*\tVERYLONGFILENAME1234567\tone two three four five six");
  EXPECT_EQ(file_, Rows({"*  VERYLONGFILENAME1234567 one two three", Blanks(21) + "four five six",
                         "-  " + std::string(23, '-') + " " + std::string(13, '-'),
                         Blanks(21) + std::string(13, '-')}));
}

TEST_F(ColumnWriterTest, UnderlineModeStaysUntilChanged) {
  writer_.SetUnderline(1);
  Write("ab");
  Write("c");
  writer_.SetUnderline(0);
  Write("d");
  EXPECT_EQ(file_, Rows({"ab", "==", "c", "=", "d"}));
}

}  // namespace
}  // namespace cvn
