#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/Startup.h"
#include "checks/Requirements.h"
#include "checks/RequirementsFreeSpace.h"
#include "checks/SystemProfileMeasure.h"
#include "ConfigTestSupport.h"
#include "util/MemoryList.h"

namespace cvn {
namespace {

using platform::DriveType;
using emulated::ImageBuilder;

class RequirementsMachineTest : public test::ConfigMachineTest {
 protected:
  // Loads an application in `folder` whose database has these minimum
  // requirement lines, measures the machine and reads the requirements.
  void Run(const std::string& requirementLines, const std::string& folder = "C:\\APP") {
    image_.File(folder + "\\APP.EXE", "MZ");
    ASSERT_EQ(Load(folder + "\\APP.CDB",
                   "[App Info]\nAppName=App\nAppFileName=APP.EXE\n[Directory Info]\n"
                   "[Minimum Requirements Info]\n" +
                       requirementLines),
              platform::kSOk);
    Measure(*context_, database_.systemInfo);
    readResult_ = ReadRequirements(database_, database_.minimumRequirements);
    Evaluate();
  }

  void Evaluate() {
    rows_ = EvaluateRequirements(*context_, database_.systemInfo, database_.minimumRequirements);
  }

  const RequirementRow* Row(std::string_view name) const {
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [&](const RequirementRow& row) { return row.name == name; });
    return found != rows_.end() ? &*found : nullptr;
  }

  std::vector<std::string> FailedNames() const {
    std::vector<std::string> names;
    for (const auto& row : rows_) {
      if (row.failed) names.push_back(row.name);
    }
    return names;
  }

  platform::HResult readResult_ = platform::kEFail;
  std::vector<RequirementRow> rows_;
};

// One requirement row and a machine that fails it (or meets it).
struct RowCase {
  const char* label;
  std::function<void(ImageBuilder&)> arrange;
  const char* requirement;
  const char* row;
  bool fails;
  const char* actual;
  const char* minimum;
};

class RequirementRowTest : public RequirementsMachineTest,
                           public ::testing::WithParamInterface<RowCase> {};

TEST_P(RequirementRowTest, JudgesTheMachine) {
  const RowCase& c = GetParam();
  c.arrange(image_);
  Run(std::string(c.requirement) + "\n");
  const RequirementRow* row = Row(c.row);
  ASSERT_NE(row, nullptr) << c.row;
  EXPECT_EQ(row->failed, c.fails);
  EXPECT_EQ(row->actual, c.actual);
  EXPECT_EQ(row->minimum, c.minimum);
  // Only that requirement fails.
  EXPECT_EQ(FailedNames(), c.fails ? std::vector<std::string>{c.row} : std::vector<std::string>{});
}

void Win95(ImageBuilder& image) { image.Windows95(); }
void Nt4(ImageBuilder& image) { image.WindowsNt4(); }

const RowCase kRowCases[] = {
    {"Win95FailsNt351", Win95, "WindowsVersion=Win NT 3.51", "Windows Version", true, "Win 95", "Win NT 3.51"},
    {"Nt4MeetsWin95", Nt4, "WindowsVersion=Win 95", "Windows Version", false, "Win NT 4.0", "Win 95"},
    {"Processor486FailsPentium", [](ImageBuilder& i) { i.Fact("Hardware", "Processor", "486"); },
     "Processor=586", "Processor", true, "486", "Pentium"},
    {"FewFilesFailOn95", [](ImageBuilder& i) { i.File("C:\\CONFIG.SYS", "FILES=20\r\n"); },
     "ConfigFiles=30", "Files in CONFIG.SYS", true, "20", "30"},
    {"FewFilesPassOnNt", [](ImageBuilder& i) { i.WindowsNt4().File("C:\\CONFIG.SYS", "FILES=20\r\n"); },
     "ConfigFiles=30", "Files in CONFIG.SYS", false, "20", "30"},
    {"DefaultFilesFailSixtyOne", Win95, "ConfigFiles=61", "Files in CONFIG.SYS", true, "60", "61"},
    {"FilesCountWithK", Win95, "ConfigFiles=1K", "Files in CONFIG.SYS", true, "60", "1024"},
    {"BuffersCountWithK", Win95, "ConfigBuffers=1k", "Buffers in CONFIG.SYS", true, "20", "1024"},
    {"FewBuffersFailOn95", [](ImageBuilder& i) { i.File("C:\\CONFIG.SYS", "BUFFERS=10\r\n"); },
     "ConfigBuffers=15", "Buffers in CONFIG.SYS", true, "10", "15"},
    {"FewBuffersPassOnNt", [](ImageBuilder& i) { i.WindowsNt4().File("C:\\CONFIG.SYS", "BUFFERS=10\r\n"); },
     "ConfigBuffers=15", "Buffers in CONFIG.SYS", false, "10", "15"},
    {"WinDiskTooFull", [](ImageBuilder& i) { i.Fact("Drive C", "FreeBytes", "1572864"); },
     "WinDiskSpace=2M", "Win Disk Space [C:]", true, "1.50 MB", "2 MB"},
    {"LargeDiskDoesNotWrap", [](ImageBuilder& i) { i.Fact("Drive C", "FreeBytes", "5000000000"); },
     "WinDiskSpace=4G", "Win Disk Space [C:]", false, "4768.37 MB", "4096 MB"},
    {"LargeRequirementDoesNotWrap", [](ImageBuilder& i) { i.Fact("Drive C", "FreeBytes", "5000000000"); },
     "WinDiskSpace=5000M", "Win Disk Space [C:]", true, "4768.37 MB", "5000 MB"},
    {"TotalPhysical", [](ImageBuilder& i) { i.Fact("Hardware", "TotalPhysical", "8388608"); },
     "TotalPhysicalMemory=16M", "Total Physical Memory", true, "8 MB", "16 MB"},
    {"AvailPhysical", [](ImageBuilder& i) { i.Fact("Hardware", "AvailPhysical", "1024"); },
     "AvailPhysicalMemory=2K", "Available Physical Memory", true, "1 KB", "2 KB"},
    {"TotalVirtual", [](ImageBuilder& i) { i.Fact("Hardware", "TotalVirtual", "33554432"); },
     "TotalVirtualMemory=64M", "Total Virtual Memory", true, "32 MB", "64 MB"},
    {"AvailVirtual", [](ImageBuilder& i) { i.Fact("Hardware", "AvailVirtual", "1000"); },
     "AvailVirtualMemory=1001", "Available Virtual Memory", true, "1000 bytes", "1001 bytes"},
    {"ScreenTooShort",
     [](ImageBuilder& i) { i.Fact("Hardware", "ScreenWidth", "1024").Fact("Hardware", "ScreenHeight", "480"); },
     "VideoResolution=800 x 600", "Video Resolution", true, "1024 x 480", "800 x 600"},
    {"ScreenTooNarrow",
     [](ImageBuilder& i) { i.Fact("Hardware", "ScreenWidth", "640").Fact("Hardware", "ScreenHeight", "1024"); },
     "VideoResolution=800 x 600", "Video Resolution", true, "640 x 1024", "800 x 600"},
    {"EightBitsFailTrueColor", [](ImageBuilder& i) { i.Fact("Hardware", "BitsPerPixel", "8"); },
     "VideoColors=true color", "Video Colors", true, "256", "true color"},
    {"ThirtyTwoBitsAreTrueColor", [](ImageBuilder& i) { i.Fact("Hardware", "BitsPerPixel", "32"); },
     "VideoColors=true color", "Video Colors", false, "true color", "true color"},
    {"NoMouseFailsYes", [](ImageBuilder& i) { i.Fact("Hardware", "MousePresent", "no"); },
     "MouseRequired=Yes", "Mouse", true, "not found", "required"},
    {"NoMousePassesNo", [](ImageBuilder& i) { i.Fact("Hardware", "MousePresent", "no"); },
     "MouseRequired=No", "Mouse", false, "not found", "not required"},
    {"NoCdRomFails", Win95, "CDROMRequired=Yes", "CD-ROM", true, "not found", "required"},
    {"CdRomPasses", [](ImageBuilder& i) { i.Drive('D', DriveType::CdRom); },
     "CDROMRequired=Yes", "CD-ROM", false, "found", "required"},
    {"NoModemFails", Win95, "ModemRequired=Yes", "Modem", true, "not found", "required"},
    {"ModemPasses", [](ImageBuilder& i) { i.RegistryKey("HKLM\\Enum\\Root\\Modem"); },
     "ModemRequired=Yes", "Modem", false, "found", "required"},
    {"NoNetworkFails", [](ImageBuilder& i) { i.Fact("Hardware", "Network", "0"); },
     "NetworkRequired=Yes", "Network", true, "not found", "required"},
};

INSTANTIATE_TEST_SUITE_P(Rows, RequirementRowTest, ::testing::ValuesIn(kRowCases),
                         [](const auto& rowCase) { return std::string(rowCase.param.label); });

// The application disk case needs the application on E:.
class AppDiskTest : public RequirementsMachineTest {};

TEST_F(AppDiskTest, RowNamesTheApplicationDrive) {
  image_.Drive('E', DriveType::Fixed).Fact("Drive E", "FreeBytes", "1048576");
  Run("AppDiskSpace=2M\n", "E:\\APP");
  const RequirementRow* row = Row("App Disk Space [E:]");
  ASSERT_NE(row, nullptr);
  EXPECT_TRUE(row->failed);
  EXPECT_EQ(row->detailsKind, details::kDiskSpace);
}

TEST_F(AppDiskTest, NoRowWhenRunningFromTheCdRom) {
  image_.Drive('D', DriveType::CdRom, "APPCD");
  Run("AppDiskSpace=2G\n", "D:\\APP");
  EXPECT_EQ(rows_.size(), 15u);
  EXPECT_EQ(Row("App Disk Space [D:]"), nullptr);
  EXPECT_TRUE(FailedNames().empty());
}

// Start-up measures before the database locates the application: the
// wizard on a CD, the application on C:. The row must show C:'s space.
TEST_F(AppDiskTest, StartUpMeasuresTheApplicationDriveOnceItIsLocated) {
  image_.Drive('D', DriveType::CdRom, "APPCD")
      .Fact("Drive D", "FreeBytes", "0")
      .Fact("Drive C", "FreeBytes", "3145728")
      .Fact("Windows", "ProgramPath", "D:\\SETUP\\CORVANE.EXE")
      .File("C:\\APP\\APP.EXE", "MZ")
      .File("D:\\SETUP\\APP.CDB", "[App Info]\nAppFileName=APP.EXE\n[Directory Info]\n1=C:\\APP\n"
                                   "[Minimum Requirements Info]\nAppDiskSpace=2M\n");
  Start();
  ASSERT_EQ(MeasureAndLoad(*context_, database_, "D:\\SETUP\\APP.CDB"), platform::kSOk);
  static_cast<void>(ReadRequirements(database_, database_.minimumRequirements));
  Evaluate();
  const RequirementRow* row = Row("App Disk Space [C:]");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->actual, "3 MB");
  EXPECT_FALSE(row->failed);
}

// The letter D alone does not make a CD-ROM drive.
TEST_F(AppDiskTest, AFixedDriveDOfAMachineWithoutCdRomIsInstalled) {
  image_.Drive('D', DriveType::Fixed).Fact("Drive D", "FreeBytes", "1048576");
  Run("AppDiskSpace=2M\n", "D:\\APP");
  const RequirementRow* row = Row("App Disk Space [D:]");
  ASSERT_NE(row, nullptr);
  EXPECT_TRUE(row->failed);
  EXPECT_EQ(row->actual, "1 MB");
}

TEST_F(AppDiskTest, NoRowWhenRunningFromAFloppy) {
  image_.Drive('A', DriveType::Removable);
  Run("AppDiskSpace=2G\n", "A:\\APP");
  EXPECT_EQ(rows_.size(), 15u);
  EXPECT_EQ(Row("App Disk Space [A:]"), nullptr);
}

TEST_F(RequirementsMachineTest, WithoutRequirementsEveryRowPasses) {
  image_.Fact("Hardware", "ScreenWidth", "640").Fact("Hardware", "ScreenHeight", "480");
  image_.File("C:\\APP\\APP.EXE", "MZ");
  ASSERT_EQ(Load("C:\\APP\\APP.CDB", "[App Info]\nAppName=App\nAppFileName=APP.EXE\n[Directory Info]\n"),
            platform::kSOk);
  Measure(*context_, database_.systemInfo);
  EXPECT_EQ(ReadRequirements(database_, database_.minimumRequirements), platform::kEFail);
  Evaluate();
  ASSERT_EQ(rows_.size(), 16u);
  EXPECT_TRUE(FailedNames().empty());
  EXPECT_EQ(Row("Video Resolution")->minimum, "640 x 480");
}

TEST_F(RequirementsMachineTest, WithoutRequirementsASmallScreenFailsOnlyTheResolution) {
  image_.Fact("Hardware", "ScreenWidth", "640").Fact("Hardware", "ScreenHeight", "400");
  image_.File("C:\\APP\\APP.EXE", "MZ");
  ASSERT_EQ(Load("C:\\APP\\APP.CDB", "[App Info]\nAppName=App\nAppFileName=APP.EXE\n[Directory Info]\n"),
            platform::kSOk);
  Measure(*context_, database_.systemInfo);
  Evaluate();
  EXPECT_EQ(FailedNames(), std::vector<std::string>{"Video Resolution"});
}

TEST_F(RequirementsMachineTest, RowsComeInTheirOrderWithTheirDetailsKinds) {
  Run("WindowsVersion=Win 95\n");
  EXPECT_EQ(readResult_, platform::kSOk);
  const std::vector<std::pair<std::string, int>> expected = {
      {"Windows Version", details::kWindowsVersion}, {"Processor", details::kNone},
      {"Files in CONFIG.SYS", details::kConfigSys},  {"Buffers in CONFIG.SYS", details::kConfigSys},
      {"App Disk Space [C:]", details::kDiskSpace},  {"Win Disk Space [C:]", details::kDiskSpace},
      {"Total Physical Memory", details::kNone},     {"Available Physical Memory", details::kNone},
      {"Total Virtual Memory", details::kNone},      {"Available Virtual Memory", details::kNone},
      {"Video Resolution", details::kVideo},         {"Video Colors", details::kVideo},
      {"Mouse", details::kNone},                     {"CD-ROM", details::kNone},
      {"Modem", details::kNone},                     {"Network", details::kNone}};
  ASSERT_EQ(rows_.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(rows_[i].name, expected[i].first);
    EXPECT_EQ(rows_[i].detailsKind, expected[i].second) << expected[i].first;
  }
}

class FreeSpaceTest : public RequirementsMachineTest {
 protected:
  void ArrangeFullDisk(uint64_t tempBytes) {
    image_.Fact("Drive C", "FreeBytes", "1048576")
        .SizedFile("C:\\WINDOWS\\TEMP\\big.tmp", tempBytes)
        .SizedFile("C:\\NETSCAPE\\CACHE\\page.htm", 1000)
        .Registry("HKCU\\Software\\Netscape\\Netscape Navigator\\Cache", "Cache Dir", "C:\\NETSCAPE\\CACHE");
  }
};

TEST_F(FreeSpaceTest, AFailedDiskRowCanFreeSpaceWhenTempFilesReachOneMegabyte) {
  ArrangeFullDisk(1048576 - 1000);
  Run("AppDiskSpace=2M\nWinDiskSpace=2M\n");
  EXPECT_TRUE(Row("App Disk Space [C:]")->canFreeSpace);
  EXPECT_TRUE(Row("Win Disk Space [C:]")->canFreeSpace);
}

TEST_F(FreeSpaceTest, NotWhenTempFilesAreSmaller) {
  ArrangeFullDisk(1048576 - 1001);
  Run("AppDiskSpace=2M\nWinDiskSpace=1M\n");
  EXPECT_FALSE(Row("App Disk Space [C:]")->canFreeSpace);
  EXPECT_FALSE(Row("Win Disk Space [C:]")->canFreeSpace);
}

TEST_F(FreeSpaceTest, NotWhenTheRowPasses) {
  ArrangeFullDisk(4 << 20);
  Run("WinDiskSpace=1M\n");
  EXPECT_FALSE(Row("Win Disk Space [C:]")->canFreeSpace);
}

TEST_F(FreeSpaceTest, FreeingDeletesTheFilesAndMeasuresAgain) {
  ArrangeFullDisk(4 << 20);
  image_.Answer(platform::Answer::Yes);
  Run("WinDiskSpace=2M\n");
  SystemProfile& measured = database_.systemInfo;
  measured.winDiskSpace = 0;  // stale; freeing must read it again
  ASSERT_TRUE(FreeDiskSpace(*context_, measured));
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Free disk space by deleting temporary files?",
                                                      "Deleting temporary files freed 4.00 MB."}));
  EXPECT_EQ(machine_->Messages().at(0).buttons, platform::Buttons::YesNo);
  EXPECT_EQ(measured.windowsTempSpaceUsed, 0);
  EXPECT_EQ(measured.netscapeTempSpaceUsed, 0);
  EXPECT_EQ(measured.winDiskSpace, 1048576);
  EXPECT_EQ(machine_->WaitCursorDepth(), 0);
  Evaluate();
  EXPECT_FALSE(Row("Win Disk Space [C:]")->canFreeSpace);
}

TEST_F(FreeSpaceTest, FreeingNeverEmptiesARootOrTheWindowsFolderAndSkipsFilesInUse) {
  ArrangeFullDisk(4 << 20);
  image_.File("C:\\CONFIG.SYS", "FILES=30").File("C:\\WINDOWS\\WIN.INI", "[windows]");
  image_.SizedFile("C:\\WINDOWS\\TEMP\\open.tmp", 10).FileInUse("C:\\WINDOWS\\TEMP\\open.tmp");
  image_.Registry("HKCU\\Software\\Netscape\\Netscape Navigator\\Cache", "Cache Dir", "C:\\");
  image_.Registry("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Main", "Cache_Directory",
                  "C:\\WINDOWS\\TEMP\\..");
  image_.Answer(platform::Answer::Yes);
  Run("WinDiskSpace=2M\n");
  ASSERT_TRUE(FreeDiskSpace(*context_, database_.systemInfo));
  for (const char* kept : {"C:\\CONFIG.SYS", "C:\\WINDOWS\\WIN.INI", "C:\\WINDOWS\\TEMP\\open.tmp"}) {
    EXPECT_NE(machine_->Files().GetAttributes(kept), platform::attr::kInvalid) << kept;
  }
  EXPECT_EQ(machine_->Files().GetAttributes("C:\\WINDOWS\\TEMP\\big.tmp"), platform::attr::kInvalid);
  EXPECT_EQ(MessageTexts().back(), "Deleting temporary files freed 4 MB.");
}

TEST_F(FreeSpaceTest, DecliningKeepsTheFiles) {
  ArrangeFullDisk(4 << 20);
  image_.Answer(platform::Answer::No);
  Run("WinDiskSpace=2M\n");
  EXPECT_FALSE(FreeDiskSpace(*context_, database_.systemInfo));
  EXPECT_EQ(database_.systemInfo.windowsTempSpaceUsed, 4 << 20);
  EXPECT_NE(machine_->Files().GetAttributes("C:\\WINDOWS\\TEMP\\big.tmp"), platform::attr::kInvalid);
}

class CompareRequirementsTest : public RequirementsMachineTest {
 protected:
  void SetUp() override {
    image_.Fact("Hardware", "MousePresent", "no").Fact("Hardware", "Processor", "486");
    Run("Processor=P5\nMouseRequired=yes\nWindowsVersion=Win 95\n");
  }
};

TEST_F(CompareRequirementsTest, ShowsOnlyProblemsUnlessShowAll) {
  MemoryList list;
  int problems = -1;
  EXPECT_EQ(CompareRequirements(*context_, database_, list, false, problems), platform::kSOk);
  EXPECT_EQ(problems, 2);
  ASSERT_EQ(list.ItemCount(), 2);
  EXPECT_EQ(list.GetItemText(0, 0, 260), "Processor");
  EXPECT_EQ(list.GetItemText(0, 1, 260), "486");
  EXPECT_EQ(list.GetItemText(0, 2, 260), "Pentium");
  EXPECT_EQ(list.GetItemText(1, 0, 260), "Mouse");
  RowData expected;
  expected.status = 5;
  expected.category = SectionId::MinimumRequirementsInfo;
  expected.rowNumber = 1;
  EXPECT_EQ(*list.GetItemData(1), expected);
}

TEST_F(CompareRequirementsTest, ShowAllListsEveryRowWithItsData) {
  MemoryList list;
  int problems = -1;
  static_cast<void>(CompareRequirements(*context_, database_, list, true, problems));
  EXPECT_EQ(problems, 2);
  ASSERT_EQ(list.ItemCount(), 16);
  const RowData* windows = list.GetItemData(0);
  EXPECT_EQ(windows->status, 0);
  EXPECT_EQ(windows->rowNumber, 0);
  EXPECT_EQ(windows->itemIndex, details::kWindowsVersion);
  EXPECT_TRUE(windows->hasDetails);
  EXPECT_EQ(list.GetItemData(1)->status, 5);
  EXPECT_FALSE(list.GetItemData(1)->hasDetails);
  EXPECT_EQ(list.GetItemData(15)->rowNumber, 15);
}

}  // namespace
}  // namespace cvn
