// The file information database: its place beside the .cdb, its lines
// and loading it into the database.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/FileInfo.h"
#include "platform/emulated/ImageBuilder.h"

namespace cvn {
namespace {

TEST(FileInfoPathTest, ReplacesWhatFollowsTheLastDot) {
  EXPECT_EQ(FileInfoPath("C:\\App\\Corvane.cdb"), "C:\\App\\Corvane.fdb");
  EXPECT_EQ(FileInfoPath("C:\\App.v2\\Corvane.x.cdb"), "C:\\App.v2\\Corvane.x.fdb");
  EXPECT_EQ(FileInfoPath("C:\\App\\Corvane."), "C:\\App\\Corvane.fdb");
  EXPECT_EQ(FileInfoPath("C:\\App\\Corvane"), "");
  EXPECT_EQ(FileInfoPath(""), "");
}

struct LineCase {
  const char* line;
  const char* name;
  uint32_t size;
  platform::SystemTime date;
};

class FileInfoLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(FileInfoLineTest, ReadsNameSizeAndMinute) {
  const LineCase& c = GetParam();
  const auto entry = ParseFileInfoLine(c.line);
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->name, c.name);
  EXPECT_EQ(entry->size, c.size);
  EXPECT_EQ(entry->date, c.date);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FileInfoLineTest,
    ::testing::Values(LineCase{"APP.EXE, 12345, 199701021030", "APP.EXE", 12345, {1997, 1, 0, 2, 10, 30, 0, 0}},
                      LineCase{"  a.dll,1,\"199812312359\"  ; shipped", "a.dll", 1, {1998, 12, 0, 31, 23, 59, 0, 0}},
                      LineCase{"BIG.DAT, 99999999999, 19970102", "BIG.DAT", 0xFFFFFFFFu, {1997, 1, 0, 2, 0, 0, 0, 0}},
                      LineCase{"ONLY.DLL", "ONLY.DLL", 0, {}},
                      LineCase{"X.DLL, junk, junk", "X.DLL", 0, {}}));

TEST(FileInfoLineTest, BlankAndCommentLinesGiveNoEntry) {
  for (const char* line : {"", "   \t", "; a comment", "  ;APP.EXE, 1, 199701021030"}) {
    EXPECT_FALSE(ParseFileInfoLine(line).has_value()) << line;
  }
}

TEST(FileInfoLineTest, AWrittenLineReadsBackTheSame) {
  const FileInfoEntry entry{"Vendor App.exe", 4096, {2001, 9, 0, 8, 7, 6, 0, 0}};
  const std::string line = FormatFileInfoLine(entry);
  EXPECT_EQ(line, "Vendor App.exe, 4096, 200109080706");
  const auto back = ParseFileInfoLine(line);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->name, entry.name);
  EXPECT_EQ(back->size, entry.size);
  EXPECT_EQ(back->date, entry.date);
}

TEST(LoadFileInfoTest, AppendsTheEntriesInFileOrderAndFindsThemByAnyCase) {
  emulated::ImageBuilder image;
  image.File("C:\\APP\\Vendor.fdb", "; made by cvntool\r\nAPP.EXE, 10, 199701021030\r\n\r\nLIB.DLL, 20, 199701021031");
  auto machine = image.Open();
  ASSERT_NE(machine, nullptr) << image.Error();
  ConfigDatabase database;
  ASSERT_EQ(LoadFileInfo(*machine, database, "C:\\APP\\Vendor.fdb"), platform::kSOk);
  ASSERT_EQ(database.FileInfo().size(), 2u);
  EXPECT_EQ(database.FileInfo()[0].name, "APP.EXE");
  EXPECT_EQ(database.FileInfo()[1].name, "LIB.DLL");
  const FileInfoEntry* lib = database.FindFileInfo("lib.dll");
  ASSERT_NE(lib, nullptr);
  EXPECT_EQ(lib->size, 20u);
  EXPECT_EQ(lib->date.minute, 31);
}

TEST(LoadFileInfoTest, AnEmptyPathOrAMissingFileFails) {
  emulated::ImageBuilder image;
  auto machine = image.Open();
  ASSERT_NE(machine, nullptr) << image.Error();
  ConfigDatabase database;
  EXPECT_EQ(LoadFileInfo(*machine, database, ""), platform::kEFail);
  EXPECT_EQ(LoadFileInfo(*machine, database, "C:\\NONE.fdb"), platform::kEFail);
  EXPECT_TRUE(database.FileInfo().empty());
}

}  // namespace
}  // namespace cvn
