// Expanding paths in location notation against a machine.
#include <gtest/gtest.h>

#include "config/ApplicationFolder.h"
#include "config/ConfigDatabase.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "tests/unit/ConfigTestSupport.h"

namespace cvn {
namespace {

class LocationsTest : public test::ConfigMachineTest {
 protected:
  // Attaches a Directory Info holding `entries` ("Q=W|sub", ...).
  void AttachDirectoryInfo(std::initializer_list<const char*> entries) {
    ConfigSection* section = database_.GetSection(SectionId::DirectoryInfo);
    for (const char* entry : entries) {
      const std::string text(entry);
      const size_t eq = text.find('=');
      auto item = std::make_unique<DirectoryItem>(text.substr(0, eq));
      item->value = text.substr(eq + 1);
      section->Append(std::move(item));
    }
    AttachDirectorySection(*context_, database_.Watched(section));
  }
};

TEST_F(LocationsTest, BuiltInCodes) {
  image_.Fact("Windows", "ProgramPath", "C:\\Tools\\Corvane\\CORVANE.EXE");
  Start();
  const struct {
    const char* path;
    const char* expanded;
  } cases[] = {
      {"W|win.ini", "C:\\WINDOWS\\win.ini"},
      {"S|x.dll", "C:\\WINDOWS\\SYSTEM\\x.dll"},
      {"T|x.tmp", "C:\\WINDOWS\\TEMP\\x.tmp"},
      {"X|Lodvex32.exe", "c:\\tools\\corvane\\Lodvex32.exe"},
      {"1|*.cdb", "c:\\tools\\corvane\\*.cdb"},
      {"2|x", "\\x"},
      {"W|", "C:\\WINDOWS\\"},
      {"?|x", "?|x"},
      {"Z|x", "Z|x"},  // no Directory Info yet
      {"w|x", "w|x"},  // codes are upper case
      {"C:\\plain", "C:\\plain"},
      {"W", "W"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Expanded(c.path), c.expanded) << c.path;
  EXPECT_TRUE(context_->locations.IsFilled());
  EXPECT_EQ(context_->locations.windowsDrive, 'C');
  EXPECT_EQ(context_->locations.applicationDrive, 'C');
}

TEST_F(LocationsTest, DrivePlaceholders) {
  Start();
  EXPECT_EQ(Expanded("0:\\Program Files\\x.exe"), "c:\\Program Files\\x.exe");
  EXPECT_EQ(Expanded("1:\\setup"), "D:\\setup");  // no CD-ROM drive: D
  EXPECT_EQ(Expanded("2:\\x"), "2:\\x");
}

TEST_F(LocationsTest, FirstCdRomDriveFromCToZ) {
  image_.Drive('F', platform::DriveType::CdRom).Drive('E', platform::DriveType::CdRom);
  Start();
  EXPECT_EQ(Expanded("1:\\setup"), "E:\\setup");
}

TEST_F(LocationsTest, SixteenBitApplicationOnNtUsesTheFolderBefore32) {
  image_.WindowsNt4();
  Start();
  context_->isNt = true;
  EXPECT_EQ(Expanded("S|x.dll"), "C:\\WINNT\\system32\\x.dll");
  context_->appWin32 = false;
  EXPECT_EQ(Expanded("S|x.dll"), "C:\\WINNT\\system\\x.dll");
  context_->isNt = false;
  EXPECT_EQ(Expanded("S|x.dll"), "C:\\WINNT\\system32\\x.dll");
}

TEST_F(LocationsTest, DirectoryInfoCodes) {
  image_.Registry("HKEY_LOCAL_MACHINE\\Software\\Vendor", "Dir", "D:\\Vendor")
      .RegistryDword("HKEY_LOCAL_MACHINE\\Software\\Vendor", "Number", 7)
      .File("C:\\WINDOWS\\vendor.ini", "[dirs]\nr=C:\\FromWindows\n")
      .File("C:\\CORVANE\\local.ini", "[dirs]\nl=C:\\FromAppFolder\n");
  Start();
  EXPECT_EQ(Expanded("Z|x"), "Z|x");
  AttachDirectoryInfo({
      "Q=[HKEY_LOCAL_MACHINE\\Software\\Vendor\\Dir]",
      "M=[HKEY_LOCAL_MACHINE\\Software\\Vendor\\Missing]",
      "N=[HKEY_LOCAL_MACHINE\\Software\\Vendor\\Number]",
      "B=[HKEY_NOWHERE\\Software\\Vendor\\Dir]",
      "R=[vendor\\dirs\\r]",
      "L=[local\\dirs\\l]",
      "E=[vendor\\dirs\\none]",
      "I=[noslash]",
      "V=W|sub",
      "P=C:\\Plain\\",
      "Y=[x",
  });
  const struct {
    const char* path;
    const char* expanded;
  } cases[] = {
      {"Q|a.dll", "D:\\Vendor\\a.dll"},
      {"M|a.dll", "c:\\corvane\\a.dll"},  // missing value: folder 1
      {"N|a.dll", "c:\\corvane\\a.dll"},  // not a string: folder 1
      {"B|a.dll", "c:\\corvane\\a.dll"},  // bad root: folder 1
      {"R|a.dll", "C:\\FromWindows\\a.dll"},
      {"L|a.dll", "C:\\FromAppFolder\\a.dll"},
      {"E|a.dll", "\\a.dll"},             // nothing read: empty base
      {"I|a.dll", "c:\\corvane\\a.dll"},  // invalid INI location: folder 1
      {"V|a.dll", "C:\\WINDOWS\\sub\\a.dll"},
      {"P|a.dll", "C:\\Plain\\a.dll"},
      {"Y|a.dll", "[x\\a.dll"},           // too short for an indirection
      {"Z|x", "c:\\corvane\\x"},          // no entry: folder 1
      {"?|x", "?|x"},
  };
  for (const auto& c : cases) EXPECT_EQ(Expanded(c.path), c.expanded) << c.path;
  EXPECT_EQ(machine_->OpenRegistryKeys(), 0u);
}

TEST_F(LocationsTest, ChainsOfCodesAreCutAfterSixtyFiveSubstitutions) {
  Start();
  AttachDirectoryInfo({"A=B|", "B=A|", "C=A|"});
  // 65 substitutions from A|x alternate A, B, ... and end on a B prefix.
  EXPECT_EQ(Expanded("A|x"), std::string("B|\\") + std::string(64, '\\') + "x");
  EXPECT_EQ(Expanded("C|x").substr(0, 2), "A|");
}

TEST_F(LocationsTest, AttachingWritesTheResolvedFoldersIntoDirectoryInfo) {
  Start();
  AttachDirectoryInfo({"W=old", "s=old", "1=old", "2=old", "Q=keep"});
  const auto value = [&](const char* key) { return *Value(SectionId::DirectoryInfo, key); };
  EXPECT_EQ(value("W"), "C:\\WINDOWS\\");
  EXPECT_EQ(value("S"), "C:\\WINDOWS\\SYSTEM\\");
  EXPECT_EQ(value("1"), "c:\\corvane\\");
  EXPECT_EQ(value("2"), "");
  EXPECT_EQ(value("Q"), "keep");

  SetApplicationFolder(*context_, "D:\\App");
  EXPECT_EQ(value("1"), "D:\\App");
  EXPECT_EQ(context_->locations.applicationDrive, 'D');
  EXPECT_EQ(Expanded("1|a"), "D:\\App\\a");
  SetApplicationFolder(*context_, "");
  EXPECT_EQ(context_->locations.applicationDrive, 'c');
}

TEST_F(LocationsTest, TheTemporaryFolderIsCreatedWhenMissing) {
  Start();
  ASSERT_TRUE(machine_->Files().RemoveDirectory("C:\\WINDOWS\\TEMP"));
  EXPECT_EQ(Expanded("T|x"), "C:\\WINDOWS\\TEMP\\x");
  EXPECT_NE(machine_->Files().GetAttributes("C:\\WINDOWS\\TEMP"), platform::attr::kInvalid);
}

TEST_F(LocationsTest, FoldersAreCutToTheirCapacity) {
  Start();
  SetApplicationFolder(*context_, std::string(400, 'a'));
  EXPECT_EQ(context_->locations.Folder('1').size(), Locations::kFolderCapacity - 1);
}

TEST_F(LocationsTest, PathSpecAppendAndTrailingBackslash) {
  Start();
  PathSpec path(*context_, "W|");
  EXPECT_EQ(path.Append("a").Append("W|b").Text(), "C:\\WINDOWS\\a\\W|b");
  EXPECT_EQ(path.EnsureTrailingBackslash().Text(), "C:\\WINDOWS\\a\\W|b\\");
  EXPECT_EQ(path.EnsureTrailingBackslash().Text(), "C:\\WINDOWS\\a\\W|b\\");
  path = "S|";
  EXPECT_EQ(path.Text(), "C:\\WINDOWS\\SYSTEM\\");
  PathSpec empty(*context_, "");
  EXPECT_EQ(empty.EnsureTrailingBackslash().Text(), "");
  EXPECT_EQ(empty.Append("x").Text(), "x");
  EXPECT_EQ(ExpandedDisplayForm(*context_, "W|Sub\\"), "c:\\windows\\sub");
}

}  // namespace
}  // namespace cvn
