// Short names, the search order for a bare file name, the current folder.
#include <string>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

class PathsTest : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    dir = env().ScratchFolder();
  }
  void TearDown() override {
    for (const auto& path : cleanup) files().DeleteFile(path);
    ContractTest::TearDown();
  }
  platform::FileSystem& files() { return machine().Files(); }
  // Writes a file that the test removes again (for folders shared with others).
  void Plant(const std::string& path, const std::string& text) {
    WriteText(files(), path, text);
    cleanup.push_back(path);
  }
  static std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
  }

  std::string dir;
  std::vector<std::string> cleanup;
};

TEST_F(PathsTest, ShortNamesOfLongNames) {
  ASSERT_TRUE(files().CreateDirectory(Join(dir, "Program Files")));
  WriteText(files(), Join(dir, "Program Files\\longfilename.html"), "x");
  WriteText(files(), Join(dir, "short.txt"), "x");
  const std::string base = files().ShortPathName(dir);
  ASSERT_FALSE(base.empty());
  // A name that already fits 8.3 keeps its letters as written.
  EXPECT_EQ(files().ShortPathName(Join(dir, "short.txt")), Join(base, "short.txt"));
  EXPECT_WINDOWS_BEHAVIOUR(env(),
                           files().ShortPathName(Join(dir, "Program Files")) ==
                               Join(base, "PROGRA~1"),
                           "Wine hashes short names (PROG~XYZ) instead of numbering them");
  EXPECT_WINDOWS_BEHAVIOUR(env(),
                           files().ShortPathName(Join(dir, "Program Files\\longfilename.html")) ==
                               Join(base, "PROGRA~1\\LONGFI~1.HTM"),
                           "Wine hashes short names (LONG~XYZ.HTM) instead of numbering them");
}

TEST_F(PathsTest, ShortNamesAreEightDotThree) {
  WriteText(files(), Join(dir, "a rather long name.extension"), "x");
  const std::string full = files().ShortPathName(Join(dir, "a rather long name.extension"));
  ASSERT_FALSE(full.empty());
  const std::string name = full.substr(full.find_last_of('\\') + 1);
  const auto dot = name.find('.');
  ASSERT_NE(dot, std::string::npos) << name;
  EXPECT_LE(dot, 8u) << name;
  EXPECT_EQ(name.size() - dot - 1, 3u) << name;
  EXPECT_NE(name.find('~'), std::string::npos) << name;
  // The short form names the same file.
  EXPECT_EQ(ReadText(files(), full), "x");
}

TEST_F(PathsTest, ShortNameOfAMissingPathIsEmpty) {
  EXPECT_EQ(files().ShortPathName(Join(dir, "missing.txt")), "");
}

TEST_F(PathsTest, SearchFindsTheSystemFolderBeforeTheWindowsFolder) {
  const std::string name = "cvnsrch1.dll";
  Plant(Join(files().WindowsDirectory(), name), "windows");
  EXPECT_EQ(ReadText(files(), files().SearchPath(name)), "windows");
  Plant(Join(files().SystemDirectory(), name), "system");
  EXPECT_EQ(ReadText(files(), files().SearchPath(name)), "system");
}

TEST_F(PathsTest, SearchFindsTheCurrentFolderBeforeTheSystemFolder) {
  const std::string name = "cvnsrch2.dll";
  Plant(Join(files().SystemDirectory(), name), "system");
  Plant(Join(dir, name), "current");
  const std::string before = files().CurrentDirectory();
  ASSERT_TRUE(files().SetCurrentDirectory(dir));
  EXPECT_EQ(ReadText(files(), files().SearchPath(name)), "current");
  EXPECT_TRUE(files().SetCurrentDirectory(before));
}

TEST_F(PathsTest, SearchFindsTheProgramFolderFirst) {
  const std::string name = "cvnsrch3.dll";
  Plant(Join(dir, name), "current");
  Plant(Join(FolderOf(files().ProgramPath()), name), "program");
  const std::string before = files().CurrentDirectory();
  ASSERT_TRUE(files().SetCurrentDirectory(dir));
  EXPECT_EQ(ReadText(files(), files().SearchPath(name)), "program");
  EXPECT_TRUE(files().SetCurrentDirectory(before));
}

TEST_F(PathsTest, SearchForAMissingFileFindsNothing) {
  EXPECT_EQ(files().SearchPath("cvnnowhere.dll"), "");
}

TEST_F(PathsTest, CurrentFolderFollowsChanges) {
  const std::string before = files().CurrentDirectory();
  ASSERT_TRUE(files().SetCurrentDirectory(dir));
  WriteText(files(), "relative.txt", "here");
  EXPECT_EQ(ReadText(files(), Join(dir, "relative.txt")), "here");
  EXPECT_EQ(files().FullPathName("relative.txt"), Join(files().CurrentDirectory(), "relative.txt"));
  EXPECT_FALSE(files().SetCurrentDirectory(Join(dir, "missing")));
  EXPECT_TRUE(files().SetCurrentDirectory(before));
}

}  // namespace
}  // namespace cvn::test
