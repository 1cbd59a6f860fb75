// Files and folders: searches, copies, moves, attributes, files in use.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

namespace attr = platform::attr;
using platform::FailIfExists;

class FilesTest : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    dir = env().ScratchFolder();
  }
  platform::FileSystem& files() { return machine().Files(); }
  std::string At(const std::string& name) { return Join(dir, name); }
  void Make(const std::string& name, const std::string& text = "x") {
    WriteText(files(), At(name), text);
  }
  std::vector<std::string> Sorted(const std::string& pattern) {
    auto names = FindNames(files(), At(pattern));
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string dir;
};

TEST_F(FilesTest, ExtensionPatternMatchesWithoutRegardToCase) {
  for (const char* name : {"a.cdb", "B.CDB", "notes.txt", "c.cdb.bak"}) Make(name);
  EXPECT_EQ(Sorted("*.cdb"), (std::vector<std::string>{"B.CDB", "a.cdb"}));
  EXPECT_EQ(Sorted("*.CDB"), (std::vector<std::string>{"B.CDB", "a.cdb"}));
}

TEST_F(FilesTest, NameWithAnyExtension) {
  for (const char* name : {"NAME.txt", "name.dll", "NAMEX.txt", "other.txt"}) Make(name);
  EXPECT_EQ(Sorted("NAME.*"), (std::vector<std::string>{"NAME.txt", "name.dll"}));
  EXPECT_EQ(Sorted("nam?.txt"), (std::vector<std::string>{"NAME.txt"}));
}

TEST_F(FilesTest, NoMatchGivesNoSearch) {
  platform::FindData data;
  EXPECT_EQ(files().FindFirst(At("*.none"), data), nullptr);
  EXPECT_EQ(files().FindFirst(At("missing\\*"), data), nullptr);
}

TEST_F(FilesTest, FindDataCarriesSizeAttributesAndFolders) {
  Make("sized.bin", std::string(1234, 'z'));
  ASSERT_TRUE(files().CreateDirectory(At("Sub")));
  platform::FindData data;
  auto search = files().FindFirst(At("sized.bin"), data);
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(data.name, "sized.bin");
  EXPECT_EQ(data.size, 1234u);
  EXPECT_EQ(data.attributes & attr::kDirectory, 0u);
  EXPECT_FALSE(search->Next(data));

  auto sub = files().FindFirst(At("sub"), data);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(data.name, "Sub");
  EXPECT_NE(data.attributes & attr::kDirectory, 0u);
}

TEST_F(FilesTest, AFolderSearchListsDotEntries) {
  Make("one.txt");
  EXPECT_EQ(Sorted("*"), (std::vector<std::string>{".", "..", "one.txt"}));
}

TEST_F(FilesTest, CopyHonoursFailIfExists) {
  Make("src.txt", "source");
  Make("dst.txt", "old");
  EXPECT_FALSE(files().CopyFile(At("src.txt"), At("dst.txt"), FailIfExists::Yes));
  EXPECT_EQ(ReadText(files(), At("dst.txt")), "old");
  EXPECT_TRUE(files().CopyFile(At("src.txt"), At("dst.txt"), FailIfExists::No));
  EXPECT_EQ(ReadText(files(), At("dst.txt")), "source");
  EXPECT_TRUE(files().CopyFile(At("src.txt"), At("new.txt"), FailIfExists::Yes));
  EXPECT_EQ(ReadText(files(), At("new.txt")), "source");
  EXPECT_FALSE(files().CopyFile(At("missing.txt"), At("other.txt"), FailIfExists::No));
}

TEST_F(FilesTest, CopyKeepsTheLastWriteTime) {
  Make("timed.txt");
  const auto stamp = platform::FileTime::FromTicks(125647199990000000ull);
  ASSERT_TRUE(files().SetLastWriteTime(At("timed.txt"), stamp));
  ASSERT_TRUE(files().CopyFile(At("timed.txt"), At("copy.txt"), FailIfExists::Yes));
  platform::FindData data;
  ASSERT_NE(files().FindFirst(At("copy.txt"), data), nullptr);
  EXPECT_EQ(data.lastWriteTime, stamp);
}

TEST_F(FilesTest, ReadOnlyFilesResistDeleteAndOverwrite) {
  Make("locked.txt", "keep");
  Make("src.txt", "new");
  ASSERT_TRUE(files().SetAttributes(At("locked.txt"), attr::kReadOnly));
  EXPECT_NE(files().GetAttributes(At("locked.txt")) & attr::kReadOnly, 0u);
  EXPECT_FALSE(files().DeleteFile(At("locked.txt")));
  // Wine keeps read-only as Unix permissions, which root (our CI) writes through.
  EXPECT_WINDOWS_BEHAVIOUR(env(), !files().CopyFile(At("src.txt"), At("locked.txt"), FailIfExists::No),
                           "Wine run as root copies over a read-only file");
  EXPECT_WINDOWS_BEHAVIOUR(env(), ReadText(files(), At("locked.txt")) == "keep",
                           "Wine run as root copies over a read-only file");
  ASSERT_TRUE(files().SetAttributes(At("locked.txt"), attr::kNormal));
  EXPECT_EQ(files().GetAttributes(At("locked.txt")) & attr::kReadOnly, 0u);
  EXPECT_TRUE(files().DeleteFile(At("locked.txt")));
  EXPECT_EQ(files().GetAttributes(At("locked.txt")), attr::kInvalid);
}

TEST_F(FilesTest, MoveReplacesOnlyWhenAsked) {
  Make("a.txt", "A");
  Make("b.txt", "B");
  EXPECT_FALSE(files().MoveFile(At("a.txt"), At("b.txt"), 0));
  EXPECT_TRUE(files().MoveFile(At("a.txt"), At("b.txt"), platform::move::kReplaceExisting));
  EXPECT_EQ(ReadText(files(), At("b.txt")), "A");
  EXPECT_EQ(files().GetAttributes(At("a.txt")), attr::kInvalid);
  EXPECT_TRUE(files().MoveFile(At("b.txt"), At("c.txt"), 0));
  EXPECT_EQ(ReadText(files(), At("c.txt")), "A");
}

TEST_F(FilesTest, CreateDirectoryNeedsAParentAndNoTwin) {
  EXPECT_TRUE(files().CreateDirectory(At("made")));
  EXPECT_FALSE(files().CreateDirectory(At("made")));
  EXPECT_FALSE(files().CreateDirectory(At("no\\parent")));
  EXPECT_NE(files().GetAttributes(At("MADE")) & attr::kDirectory, 0u);
  EXPECT_TRUE(files().RemoveDirectory(At("made")));
  EXPECT_EQ(files().GetAttributes(At("made")), attr::kInvalid);
}

TEST_F(FilesTest, PathsIgnoreLetterCase) {
  Make("Mixed.Txt", "content");
  EXPECT_EQ(ReadText(files(), At("MIXED.TXT")), "content");
  EXPECT_EQ(FindNames(files(), At("mixed.txt")), (std::vector<std::string>{"Mixed.Txt"}));
}

TEST_F(FilesTest, AFileHeldOpenIsInUse) {
  Make("busy.dll");
  Make("idle.dll");
  env().HoldOpen(At("busy.dll"));
  EXPECT_TRUE(files().IsFileInUse(At("busy.dll")));
  EXPECT_FALSE(files().IsFileInUse(At("idle.dll")));
  EXPECT_FALSE(files().IsFileInUse(At("missing.dll")));
}

TEST_F(FilesTest, ReadAndWriteWholeFilesAsBytes) {
  const platform::Bytes data{0, 1, '\r', '\n', 0xFF, 0};
  ASSERT_TRUE(files().WriteFile(At("raw.bin"), data));
  EXPECT_EQ(files().ReadFile(At("raw.bin")), data);
  EXPECT_EQ(files().ReadFile(At("absent.bin")), std::nullopt);
}

TEST_F(FilesTest, ReadPartOfAFileStopsAtItsEnd) {
  const platform::Bytes data{'M', 'Z', 0, 1, 2, 3};
  ASSERT_TRUE(files().WriteFile(At("part.bin"), data));
  EXPECT_EQ(files().ReadFilePart(At("part.bin"), 2, 3), (platform::Bytes{0, 1, 2}));
  EXPECT_EQ(files().ReadFilePart(At("part.bin"), 4, 64), (platform::Bytes{2, 3}));
  EXPECT_EQ(files().ReadFilePart(At("part.bin"), 0xFFFFFFF0u, 4), platform::Bytes{});
  EXPECT_EQ(files().ReadFilePart(At("absent.bin"), 0, 4), std::nullopt);
}

TEST_F(FilesTest, StandardFoldersExist) {
  for (const std::string& folder :
       {files().WindowsDirectory(), files().SystemDirectory(), files().TempPath()}) {
    EXPECT_NE(files().GetAttributes(folder) & attr::kDirectory, 0u) << folder;
  }
  EXPECT_EQ(files().TempPath().back(), '\\');
  EXPECT_NE(files().GetAttributes(files().ProgramPath()), attr::kInvalid);
  EXPECT_EQ(files().GetDriveType("C:\\"), platform::DriveType::Fixed);
  const auto space = files().GetDiskFreeSpace("C:\\");
  ASSERT_TRUE(space.has_value());
  EXPECT_GT(space->bytesPerSector, 0u);
  EXPECT_GT(space->totalBytes, 0u);
  EXPECT_LE(space->freeBytes, space->totalBytes);
}

}  // namespace
}  // namespace cvn::test
