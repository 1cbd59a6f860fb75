// CheckFile on machines that really have each finding: files in their
// expected, unexpected and second folders, with and without versions,
// sizes and dates, on Windows 95 and NT, and from a CD-ROM.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "checks/FileCheck.h"
#include "checks/FolderListings.h"
#include "config/ItemStatus.h"
#include "tests/unit/ConfigTestSupport.h"
#include "tests/support/FileCheckTestFiles.h"

namespace cvn {
namespace {

using emulated::FileOptions;
using emulated::ImageBuilder;

constexpr char kApp[] = "C:\\APP";

class FileCheckTest : public test::ConfigMachineTest {
 protected:
  void SetUp() override { image_.Windows95(); }

  // Loads a database from `folder` whose DLL Info holds `entry`; the
  // application is located in `folder`.
  FileItem& Item(const std::string& entry, const std::string& appInfo = "", const std::string& folder = kApp) {
    image_.File(folder + "\\APP.EXE", "MZ");
    const std::string cdb = "[App Info]\nAppFileName=APP.EXE\n" + appInfo + "\n[Directory Info]\n[DLL Info]\n" +
                            entry + "\n[End]\n";
    EXPECT_EQ(Load(folder + "\\Vendor.cdb", cdb), platform::kSOk);
    const auto name = entry.substr(0, entry.find(','));
    auto* item = dynamic_cast<FileItem*>(
        ConfigDatabase::FindItem(database_.GetSection(SectionId::DllInfo), name, CaseSensitivity::Insensitive));
    EXPECT_NE(item, nullptr);
    return *item;
  }

  FileCheckOutputs Check(FileItem& item, const FileInfoEntry* info = nullptr) {
    FileCheckOutputs outputs;
    CheckFile(*context_, item, info, outputs, database_.appWin32);
    return outputs;
  }

  static platform::FileTime Noon() { return ImageBuilder::Time(1997, 1, 2, 10, 30); }
  static FileOptions At(platform::FileTime time) { return {time, platform::attr::kArchive}; }
};

TEST_F(FileCheckTest, AFileInItsPlaceWithNothingListedHasNoFindingButItsFigures) {
  image_.SizedFile("C:\\APP\\A.DLL", 1000, At(Noon()));
  FileItem& item = Item("A.DLL, 1, 1, Y, N");
  const auto out = Check(item);
  EXPECT_EQ(out.result, filestatus::kOk);
  EXPECT_EQ(out.notes, "");
  EXPECT_EQ(item.actualSizeText, "1000 bytes");
  EXPECT_EQ(item.actualDateText, "Thursday, January 02, 1997 10:30 AM");
  EXPECT_EQ(item.expectedFolder, "c:\\app");
  EXPECT_EQ(item.foundFolder, "c:\\app");
  EXPECT_EQ(item.fileSize, 1000u);
  EXPECT_TRUE(item.checked);
  EXPECT_EQ(ProblemLevel(item), level::kNone);
}

TEST_F(FileCheckTest, SizesFromOneKilobyteOnShowTheByteCount) {
  image_.SizedFile("C:\\APP\\A.DLL", 2048);
  FileItem& item = Item("A.DLL, 1, 1, Y, N");
  Check(item);
  EXPECT_EQ(item.actualSizeText, "2 KB (2048 bytes)");
}

TEST_F(FileCheckTest, AMissingFileIsNotFoundAndNamesTheFirstAcceptedVersion) {
  FileItem& item = Item("GONE.DLL, 1, 1, Y, N, 2.0, 3.0");
  const auto out = Check(item);
  EXPECT_EQ(out.result, filestatus::kNotFound);
  EXPECT_EQ(out.notes, "The file was not found.");
  EXPECT_EQ(out.requiredVersion, "2.0");
  EXPECT_TRUE(item.notAtExpectedPlace);
  EXPECT_EQ(ProblemLevel(item), level::kSeriousProblem);
}

TEST_F(FileCheckTest, AMissingFileThatIsNotRequiredSaysSo) {
  FileItem& item = Item("GONE.DLL, 1, 1, N, N");
  const auto out = Check(item);
  EXPECT_EQ(out.notes, "The file was not found.  This file is not required.");
  EXPECT_EQ(ProblemLevel(item), level::kSeriousWarning);
}

TEST_F(FileCheckTest, ASecondCopyInTheWindowsFolderIsFoundInMoreThanOneFolder) {
  image_.File("C:\\APP\\A.DLL", test::PlainDll()).File("C:\\WINDOWS\\A.DLL", test::PlainDll());
  FileItem& item = Item("A.DLL, 1, 1, Y, N");
  const auto out = Check(item);
  EXPECT_EQ(out.result, filestatus::kMoreThanOneFolder);
  EXPECT_EQ(out.notes, "This file was found in more than one folder (also found in: c:\\windows).");
  EXPECT_EQ(item.otherFolder, "c:\\windows");
  EXPECT_FALSE(FileFixAllowed(out.result));
}

// Shared listings answer as the lookups do: any letter case, the short
// name, never a folder of that name.
TEST_F(FileCheckTest, SharedFolderListingsFindTheSameSecondCopies) {
  image_.File("C:\\APP\\A.DLL", test::PlainDll())
      .File("C:\\WINDOWS\\a.dll", test::PlainDll())
      .File("C:\\APP\\B.DLL", test::PlainDll())
      .Dir("C:\\WINDOWS\\B.DLL")
      .File("C:\\APP\\LONGNA~1.DLL", test::PlainDll())
      .File("C:\\WINDOWS\\SYSTEM\\LongNameLibrary.dll", test::PlainDll());
  FileItem& a = Item("A.DLL, 1, 1, Y, N\nB.DLL, 1, 1, Y, N\nLONGNA~1.DLL, 1, 1, Y, N");
  std::vector<int> alone, shared;
  for (std::vector<int>* results : {&alone, &shared}) {
    std::optional<SharedFolderListings> listings;
    if (results == &shared) listings.emplace(*context_);
    for (const auto& entry : database_.GetSection(SectionId::DllInfo)->Items()) {
      auto& item = static_cast<FileItem&>(*entry);
      item.checked = false;
      results->push_back(Check(item).result);
    }
  }
  EXPECT_EQ(alone, (std::vector<int>{filestatus::kMoreThanOneFolder, filestatus::kOk,
                                     filestatus::kMoreThanOneFolder}));
  EXPECT_EQ(shared, alone);
  EXPECT_EQ(a.otherFolder, "c:\\windows");
}

TEST_F(FileCheckTest, AFileInTheSystemFolderInsteadOfTheWindowsFolderIsInAnUnexpectedFolder) {
  image_.File("C:\\WINDOWS\\SYSTEM\\A.DLL", test::PlainDll());
  FileItem& item = Item("A.DLL, W, W, Y, N");
  const auto out = Check(item);
  EXPECT_EQ(out.result, filestatus::kUnexpectedFolder);
  EXPECT_EQ(out.notes,
            "This file was found in an unexpected folder (actual: c:\\windows\\system, expected: c:\\windows).");
  EXPECT_TRUE(item.notAtExpectedPlace);
  EXPECT_EQ(ProblemLevel(item), level::kProblem);
}

TEST_F(FileCheckTest, AnUnexpectedFolderAndASecondCopyAreBothTold) {
  image_.File("C:\\WINDOWS\\SYSTEM\\A.DLL", test::PlainDll()).File("C:\\WINDOWS\\A.DLL", test::PlainDll());
  FileItem& item = Item("A.DLL, 1, 1, Y, N");
  const auto out = Check(item);
  EXPECT_EQ(out.result, filestatus::kBothFolderFindings);
  EXPECT_EQ(out.notes,
            "This file was found in an unexpected folder (actual: c:\\windows\\system, expected: c:\\app).  "
            "This file was found in more than one folder (also found in: c:\\windows).");
}

TEST_F(FileCheckTest, OnNtA16BitApplicationsSystemFileBelongsInTheSixteenBitFolder) {
  image_.WindowsNt4().File("C:\\WINNT\\system32\\A.DLL", test::PlainDll()).File("C:\\WINNT\\SYSTEM\\B.DLL",
                                                                                 test::PlainDll());
  FileItem& a = Item("A.DLL, S, S, Y, N\nB.DLL, S, S, Y, N", "AppWin32=No");
  context_->isNt = true;
  const auto out = Check(a);
  EXPECT_EQ(out.result, filestatus::kUnexpectedFolder);
  EXPECT_EQ(a.expectedFolder, "c:\\winnt\\system");
  EXPECT_EQ(a.foundFolder, "c:\\winnt\\system32");
  auto* b = dynamic_cast<FileItem*>(
      ConfigDatabase::FindItem(database_.GetSection(SectionId::DllInfo), "B.DLL", CaseSensitivity::Insensitive));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(Check(*b).notes, "(32-bit)");
}

// The rule needs no label: the drive's type alone makes it removable.
class FileCheckCdRomTest : public FileCheckTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FileCheckCdRomTest, FromACdRomNoFolderFindingIsMade) {
  image_.Drive('d', platform::DriveType::CdRom, GetParam())
      .File("D:\\APP\\A.DLL", test::PlainDll())
      .File("C:\\WINDOWS\\A.DLL", test::PlainDll())
      .File("C:\\WINDOWS\\SYSTEM\\B.DLL", test::PlainDll());
  FileItem& a = Item("A.DLL, 1, 1, Y, N\nB.DLL, W, W, Y, N", "", "D:\\APP");
  EXPECT_EQ(Check(a).result, filestatus::kOk);
  auto* b = dynamic_cast<FileItem*>(
      ConfigDatabase::FindItem(database_.GetSection(SectionId::DllInfo), "B.DLL", CaseSensitivity::Insensitive));
  ASSERT_NE(b, nullptr);
  const auto out = Check(*b);
  EXPECT_EQ(out.result, filestatus::kOk);
  EXPECT_EQ(out.notes, "");
  EXPECT_EQ(b->foundFolder, "c:\\windows\\system");
}

INSTANTIATE_TEST_SUITE_P(Labels, FileCheckCdRomTest, ::testing::Values("VENDORCD", ""));

TEST_F(FileCheckTest, AFixedDriveDIsNotRemovable) {
  image_.Drive('d', platform::DriveType::Fixed)
      .File("D:\\APP\\A.DLL", test::PlainDll())
      .File("C:\\WINDOWS\\A.DLL", test::PlainDll());
  EXPECT_EQ(Check(Item("A.DLL, 1, 1, Y, N", "", "D:\\APP")).result, filestatus::kMoreThanOneFolder);
}

struct VersionCase {
  const char* name;
  const char* versions;
  uint32_t ms, ls;  // both 0: the file has no version resource
  int result;
  const char* required;
  const char* notes;
};

class FileCheckVersionTest : public FileCheckTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(FileCheckVersionTest, JudgesTheInstalledVersion) {
  const VersionCase& c = GetParam();
  image_.File("C:\\APP\\A.DLL", c.ms == 0 && c.ls == 0 ? test::PlainDll() : test::VersionedDll(c.ms, c.ls));
  FileItem& item = Item(std::string("A.DLL, 1, 1, Y, N, ") + c.versions);
  const auto out = Check(item);
  EXPECT_EQ(out.result, c.result);
  EXPECT_EQ(out.requiredVersion, c.required);
  EXPECT_EQ(out.notes, c.notes);
  EXPECT_EQ(item.versionProblem, c.result != filestatus::kOk);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, FileCheckVersionTest,
    ::testing::Values(
        VersionCase{"EqualToOne", "4.0, 4.1", 0x00040001, 0, filestatus::kOk, "4.1.0.0", ""},
        VersionCase{"NewerThanOneEqualToNone", "4.0, 4.1", 0x00040000, 950, filestatus::kOk, "4.1", ""},
        VersionCase{"OlderThanAll", "4.0, 4.1", 0x00030009, 0, filestatus::kOlderVersion, "4.0",
                    "The installed version is older than the required version."},
        VersionCase{"RejectedComesFirst", "4.0, -3.9", 0x00030009, 0, filestatus::kRejectedVersion, "4.0",
                    "The installed version is known to cause problems."},
        VersionCase{"NoResource", "4.0", 0, 0, filestatus::kNoVersionInfo, "4.0",
                    "The version information was not found."}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(FileCheckTest, AFileWithoutVersionResourceIsFineWhenNoVersionIsListed) {
  image_.File("C:\\APP\\A.DLL", test::PlainDll());
  const auto out = Check(Item("A.DLL, 1, 1, Y, N"));
  EXPECT_EQ(out.result, filestatus::kOk);
  EXPECT_EQ(out.actualVersion, "");
}

TEST_F(FileCheckTest, TheVersionIsShownEvenWhenNoneIsListed) {
  image_.File("C:\\APP\\A.DLL", test::VersionedDll(0x00010002, 0x00030004));
  EXPECT_EQ(Check(Item("A.DLL, 1, 1, Y, N")).actualVersion, "1.2.3.4");
}

struct FigureCase {
  const char* name;
  uint64_t size;
  platform::FileTime time;
  int result;
  const char* notes;
};

class FileCheckFigureTest : public FileCheckTest, public ::testing::WithParamInterface<FigureCase> {};

TEST_P(FileCheckFigureTest, ComparesWithTheFileInformation) {
  const FigureCase& c = GetParam();
  image_.SizedFile("C:\\APP\\A.DLL", c.size, At(c.time));
  FileItem& item = Item("A.DLL, 1, 1, Y, Y");
  const FileInfoEntry info{"A.DLL", 1000, {1997, 1, 0, 2, 10, 30, 0, 0}};
  const auto out = Check(item, &info);
  EXPECT_EQ(out.result, c.result);
  EXPECT_EQ(out.notes, c.notes);
  EXPECT_EQ(item.expectedSizeText, "1000 bytes");
  EXPECT_EQ(item.expectedDateText, "Thursday, January 02, 1997 10:30 AM");
  EXPECT_EQ(item.sizeDiffers, c.size != 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FileCheckFigureTest,
    ::testing::Values(
        FigureCase{"Same", 1000, ImageBuilder::Time(1997, 1, 2, 10, 30), filestatus::kOk, ""},
        FigureCase{"SecondsDoNotCount", 1000, ImageBuilder::Time(1997, 1, 2, 10, 30, 59), filestatus::kOk, ""},
        FigureCase{"OneMinuteLater", 1000, ImageBuilder::Time(1997, 1, 2, 10, 31), filestatus::kUnexpectedDate,
                   "The file has an unexpected date (actual: 1/2/97 10:31 AM, expected: 1/2/97 10:30 AM)."},
        FigureCase{"Bigger", 1001, ImageBuilder::Time(1997, 1, 2, 10, 30), filestatus::kUnexpectedSize,
                   "The file has an unexpected size (actual: 1001 bytes, expected: 1000 bytes)."},
        FigureCase{"Both", 999, ImageBuilder::Time(1998, 1, 2, 10, 30), filestatus::kUnexpectedSizeAndDate,
                   "The file has an unexpected size and date (actual: 999 bytes 1/2/98 10:30 AM, expected: 1000 "
                   "bytes 1/2/97 10:30 AM)."}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(FileCheckTest, SizeAndDateAreNeverComparedForAnItemThatListsVersions) {
  image_.File("C:\\APP\\A.DLL", test::VersionedDll(0x00040000, 0), At(ImageBuilder::Time(1990, 1, 1)));
  FileItem& item = Item("A.DLL, 1, 1, Y, Y, 4.0");
  const FileInfoEntry info{"A.DLL", 1, {1997, 1, 0, 2, 10, 30, 0, 0}};
  EXPECT_EQ(Check(item, &info).result, filestatus::kOk);
  EXPECT_FALSE(item.sizeDiffers);
}

TEST_F(FileCheckTest, ADateThatOnlyDiffersIsAWarningWhenNotRequired) {
  image_.SizedFile("C:\\APP\\A.DLL", 1000, At(ImageBuilder::Time(1997, 1, 2, 10, 31)));
  FileItem& item = Item("A.DLL, 1, 1, N, Y");
  const FileInfoEntry info{"A.DLL", 1000, {1997, 1, 0, 2, 10, 30, 0, 0}};
  Check(item, &info);
  EXPECT_EQ(item.status, filestatus::kUnexpectedDate);
  EXPECT_EQ(ProblemLevel(item), level::kWarning);
}

struct BitnessCase {
  const char* name;
  const char* signature;  // empty: a PE32 module
  const char* appWin32;
  int bitness;
  const char* notes;
};

class FileCheckBitnessTest : public FileCheckTest, public ::testing::WithParamInterface<BitnessCase> {};

TEST_P(FileCheckBitnessTest, NotesAFileOfTheOtherBitness) {
  const BitnessCase& c = GetParam();
  const std::string signature = c.signature;
  image_.File("C:\\APP\\A.DLL", signature.empty() ? test::PlainDll() : test::OldStyleExecutable(signature));
  FileItem& item = Item("A.DLL, 1, 1, Y, N", std::string("AppWin32=") + c.appWin32);
  const auto out = Check(item);
  EXPECT_EQ(item.bitness, c.bitness);
  EXPECT_EQ(out.notes, c.notes);
  EXPECT_EQ(out.result, filestatus::kOk);
}

INSTANTIATE_TEST_SUITE_P(
    Bitness, FileCheckBitnessTest,
    ::testing::Values(BitnessCase{"NeIn32BitApp", "NE", "Yes", bitness::k16, "(16-bit)"},
                      BitnessCase{"LeIn32BitApp", "LE", "Yes", bitness::k16, "(16-bit)"},
                      BitnessCase{"XeIsUnknown", "XE", "Yes", bitness::kUnknown, ""},
                      BitnessCase{"PeIn16BitApp", "", "No", bitness::k32, "(32-bit)"},
                      BitnessCase{"NeIn16BitApp", "NE", "No", bitness::k16, ""}),
    [](const auto& p) { return std::string(p.param.name); });

// A 32-bit or a 64-bit application cannot load a module of the other.
TEST_F(FileCheckTest, NotesAModuleOfTheOtherWindowsBitness) {
  image_.File("C:\\APP\\A.DLL", test::X64Dll()).File("C:\\APP\\B.DLL", test::PlainDll());
  FileItem& a = Item("A.DLL, 1, 1, Y, N\nB.DLL, 1, 1, Y, N");
  context_->appBitness = bitness::k32;
  EXPECT_EQ(Check(a).notes, "(64-bit)");
  FileItem& b = *database_.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(1);
  context_->appBitness = bitness::k64;
  EXPECT_EQ(Check(b).notes, "(32-bit)");
}

// Codes are case-sensitive: "s" is the application folder, so a copy in the
// System folder is a second copy.
TEST_F(FileCheckTest, ALowerCaseCodeIsNotTheSystemFolderInTheSecondCopySearch) {
  image_.File("C:\\APP\\A.DLL", test::PlainDll()).File("C:\\WINDOWS\\SYSTEM\\A.DLL", test::PlainDll());
  FileItem& item = Item("A.DLL, s, s, Y, N");
  const auto out = Check(item);
  EXPECT_EQ(out.result, filestatus::kMoreThanOneFolder);
  EXPECT_EQ(item.otherFolder, "c:\\windows\\system");
}

TEST_F(FileCheckTest, TheBitnessOfTheLoadCheckStays) {
  image_.File("C:\\APP\\A.DLL", test::PlainDll());
  FileItem& item = Item("A.DLL, 1, 1, Y, N");
  item.bitness = bitness::k16;
  EXPECT_EQ(Check(item).notes, "(16-bit)");
}

TEST_F(FileCheckTest, TheLoadCheckResultsAddTheirFindings) {
  image_.File("C:\\APP\\A.DLL", test::PlainDll()).File("C:\\APP\\B.DLL", test::PlainDll());
  FileItem& a = Item("A.DLL, 1, 1, Y, N\nB.DLL, 1, 1, N, N");
  a.loadResult = loadresult::kNotLoaded;
  auto out = Check(a);
  EXPECT_EQ(out.result, filestatus::kNotLoadable);
  EXPECT_EQ(out.notes, "This file could not be loaded.");
  EXPECT_TRUE(FileFixAllowed(out.result));
  auto* b = dynamic_cast<FileItem*>(
      ConfigDatabase::FindItem(database_.GetSection(SectionId::DllInfo), "B.DLL", CaseSensitivity::Insensitive));
  ASSERT_NE(b, nullptr);
  b->loadResult = loadresult::kUnexpectedFolder;
  out = Check(*b);
  EXPECT_EQ(out.result, filestatus::kUnexpectedFolder);
  EXPECT_EQ(out.notes, "This file was loaded from an unexpected folder.  This file is not required.");
}

TEST_F(FileCheckTest, ANotLoadedFileThatIsMissingStaysNotFound) {
  FileItem& item = Item("GONE.DLL, 1, 1, Y, N");
  item.loadResult = loadresult::kNotLoaded;
  EXPECT_EQ(Check(item).result, filestatus::kNotFound);
}

TEST_F(FileCheckTest, AskingAgainServesTheCachedOutputsWithoutTheDisk) {
  image_.File("C:\\APP\\A.DLL", test::VersionedDll(0x00010000, 0));
  FileItem& item = Item("A.DLL, 1, 1, Y, N, 2.0");
  const auto first = Check(item);
  ASSERT_TRUE(machine_->Files().DeleteFile("C:\\APP\\A.DLL"));
  const auto again = Check(item);
  EXPECT_EQ(again.result, first.result);
  EXPECT_EQ(again.notes, first.notes);
  EXPECT_EQ(again.actualVersion, "1.0.0.0");
  EXPECT_EQ(again.requiredVersion, "2.0");
  item.checked = false;
  EXPECT_EQ(Check(item).result, filestatus::kNotFound);
}

}  // namespace
}  // namespace cvn
