#include <gtest/gtest.h>

#include "checks/SystemProfileMeasure.h"
#include "checks/SystemProfileRegistry.h"
#include "checks/SystemProfileTempFiles.h"
#include "ConfigTestSupport.h"
#include "config/ValueFormats.h"

namespace cvn {
namespace {

using platform::DriveType;

class MeasureTest : public test::ConfigMachineTest {
 protected:
  SystemProfile Measured() {
    Start();
    SystemProfile profile;
    Measure(*context_, profile);
    return profile;
  }
};

TEST_F(MeasureTest, Windows95Facts) {
  image_.Windows95()
      .Fact("Hardware", "Processor", "486")
      .Fact("Hardware", "ScreenWidth", "1024")
      .Fact("Hardware", "ScreenHeight", "768")
      .Fact("Hardware", "MousePresent", "no")
      .Fact("Hardware", "Network", "0")
      .Fact("Hardware", "DisplayPlanes", "1")
      .Fact("Hardware", "BitsPerPixel", "16")
      .Fact("Hardware", "TotalPhysical", "16777216")
      .Fact("Hardware", "AvailPhysical", "4194304")
      .Fact("Hardware", "TotalVirtual", "2147352576")
      .Fact("Hardware", "AvailVirtual", "2143289344")
      .Registry("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SETUP", "Manufacturer", "Gateway");
  const SystemProfile p = Measured();
  EXPECT_EQ(p.windowsVersion, winver::kWin95);
  EXPECT_FALSE(context_->isNt);
  EXPECT_EQ(p.windowsMajor, 4u);
  EXPECT_EQ(p.windowsMinor, 0u);
  EXPECT_EQ(p.windowsBuild, 950u);
  EXPECT_EQ(p.windowsPlatformId, 1u);
  EXPECT_EQ(p.configFiles, 60);
  EXPECT_EQ(p.configBuffers, 20);
  EXPECT_EQ(p.processor, cpu::k486);
  EXPECT_EQ(p.horizontalResolution, 1024);
  EXPECT_EQ(p.verticalResolution, 768);
  EXPECT_EQ(p.colorClass, colors::kHighColor);
  EXPECT_EQ(p.videoPlanes, 1u);
  EXPECT_EQ(p.videoBitsPerPixel, 16u);
  EXPECT_FALSE(p.mouse);
  EXPECT_FALSE(p.network);
  EXPECT_FALSE(p.cdrom);
  EXPECT_FALSE(p.modem);
  EXPECT_EQ(p.totalPhysicalMemory, 16777216);
  EXPECT_EQ(p.availPhysicalMemory, 4194304);
  EXPECT_EQ(p.totalVirtualMemory, 2147352576);
  EXPECT_EQ(p.availVirtualMemory, 2143289344);
  EXPECT_EQ(p.computerMaker, "Gateway");
}

TEST_F(MeasureTest, WindowsNtFacts) {
  image_.WindowsNt4()
      .Fact("Hardware", "MousePresent", "yes")
      .Fact("Hardware", "Network", "1")
      .Drive('E', DriveType::CdRom)
      .RegistryKey("HKLM\\SYSTEM\\CurrentControlSet\\Services\\Modem");
  const SystemProfile p = Measured();
  EXPECT_EQ(p.windowsVersion, winver::kNt40);
  EXPECT_TRUE(context_->isNt);
  EXPECT_EQ(p.windowsBuild, 1381u);
  EXPECT_EQ(p.windowsPlatformId, 2u);
  EXPECT_EQ(p.configFiles, 8);
  EXPECT_EQ(p.configBuffers, 0);
  EXPECT_TRUE(p.mouse);
  EXPECT_TRUE(p.network);
  EXPECT_TRUE(p.cdrom);
  EXPECT_TRUE(p.modem);
  EXPECT_TRUE(p.computerMaker.empty());
}

struct VersionCase {
  const char* version;
  const char* platform;
  int code;
  const char* build = "0";
};

class MeasureVersionTest : public MeasureTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(MeasureVersionTest, GivesTheOsCode) {
  image_.Fact("Windows", "Version", GetParam().version)
      .Fact("Windows", "Platform", GetParam().platform)
      .Fact("Windows", "Build", GetParam().build);
  EXPECT_EQ(Measured().windowsVersion, GetParam().code);
}

// Server releases share their client's version number and so its code.
INSTANTIATE_TEST_SUITE_P(Versions, MeasureVersionTest,
                         ::testing::Values(VersionCase{"4.0", "windows", winver::kWin95},
                                           VersionCase{"4.10", "windows", winver::kWin95},
                                           VersionCase{"4.0", "nt", winver::kNt40},
                                           VersionCase{"3.51", "nt", winver::kNt351},
                                           VersionCase{"3.50", "nt", winver::kNt35},
                                           VersionCase{"3.10", "nt", winver::kNt30},
                                           VersionCase{"5.0", "nt", winver::kWin2000},
                                           VersionCase{"5.1", "nt", winver::kWinXp},
                                           VersionCase{"5.2", "nt", winver::kWinXp, "3790"},
                                           VersionCase{"6.0", "nt", winver::kVista},
                                           VersionCase{"6.1", "nt", winver::kWin7, "7601"},
                                           VersionCase{"6.2", "nt", winver::kWin8},
                                           VersionCase{"6.3", "nt", winver::kWin81},
                                           VersionCase{"10.0", "nt", winver::kWin10, "19045"},
                                           VersionCase{"10.0", "nt", winver::kWin10, "20348"},
                                           VersionCase{"10.0", "nt", winver::kWin11, "22000"},
                                           VersionCase{"11.0", "nt", winver::kWin11},
                                           VersionCase{"3.10", "win32s", winver::kWin31}));

TEST(ProcessorCodeTest, MapsTheProcessorType) {
  const std::pair<uint32_t, int> cases[] = {
      {386, cpu::k386}, {486, cpu::k486},        {586, cpu::kPentium},
      {0, cpu::kPentium}, {686, cpu::kPentiumPro}, {8664, cpu::kPentiumPro}};
  for (const auto& [type, code] : cases) EXPECT_EQ(ProcessorCodeOf(type), code) << type;
}

TEST(ColorClassTest, MapsTheDepth) {
  const std::pair<int64_t, int> cases[] = {{1, colors::k16},  {4, colors::k16},
                                           {7, colors::k16},  {8, colors::k256},
                                           {15, colors::kHighColor}, {16, colors::kHighColor},
                                           {24, colors::kTrueColor}, {32, colors::kTrueColor}};
  for (const auto& [bits, code] : cases) EXPECT_EQ(ColorClassOfDepth(bits), code) << bits;
}

TEST_F(MeasureTest, ColourDepthIsPlanesTimesBitsPerPixel) {
  image_.Fact("Hardware", "DisplayPlanes", "4").Fact("Hardware", "BitsPerPixel", "2");
  const SystemProfile p = Measured();
  EXPECT_EQ(p.colorClass, colors::k256);
  EXPECT_EQ(p.videoPlanes, 4u);
  EXPECT_EQ(p.videoBitsPerPixel, 2u);
}

TEST_F(MeasureTest, FloppiesAreNotCdRomDrivesAndTheFirstCdRomCounts) {
  image_.Drive('A', DriveType::Removable).Drive('G', DriveType::CdRom);
  EXPECT_TRUE(Measured().cdrom);
}

TEST_F(MeasureTest, EachModemKeyCounts) {
  for (const char* key : {"HKLM\\Enum\\Root\\Modem", "HKLM\\SYSTEM\\CurrentControlSet\\Services\\Modem",
                          "HKLM\\SYSTEM\\CurrentControlSet\\Services\\Class\\Modem"}) {
    emulated::ImageBuilder image;
    image.RegistryKey(key);
    const auto machine = image.Open();
    ASSERT_NE(machine, nullptr) << image.Error();
    EXPECT_TRUE(ModemPresent(machine->Reg())) << key;
    EXPECT_EQ(machine->OpenRegistryKeys(), 0u);
  }
}

TEST_F(MeasureTest, FiguresAbove2GiBAreHeldWithoutWrapping) {
  image_.Fact("Drive C", "FreeBytes", "5000000000")
      .Fact("Drive C", "TotalBytes", "8000000000")
      .Fact("Hardware", "TotalPhysical", "3221225472");
  const SystemProfile p = Measured();
  EXPECT_EQ(p.appDiskSpace, 5000000000);
  EXPECT_EQ(p.winDiskSpace, 5000000000);
  EXPECT_EQ(p.totalPhysicalMemory, 3221225472);
}

TEST_F(MeasureTest, DiskSpaceOfTheApplicationAndWindowsDrives) {
  image_.Fact("Windows", "ProgramPath", "E:\\CVN\\CORVANE.EXE")
      .Drive('E', DriveType::Fixed)
      .Fact("Drive E", "FreeBytes", "1000000")
      .Fact("Drive C", "FreeBytes", "3000000");
  const SystemProfile p = Measured();
  EXPECT_EQ(p.appDiskSpace, 1000000);
  EXPECT_EQ(p.winDiskSpace, 3000000);
}

class TempFilesTest : public test::ConfigMachineTest {
 protected:
  void SetUp() override {
    image_.SizedFile("C:\\WINDOWS\\TEMP\\~a.tmp", 1000)
        .SizedFile("C:\\WINDOWS\\TEMP\\~b.tmp", 2000)
        .SizedFile("C:\\WINDOWS\\TEMP\\SUB\\deep.tmp", 50000)
        .SizedFile("C:\\NETSCAPE\\CACHE\\M0001.htm", 4096)
        .SizedFile("C:\\WINDOWS\\Temporary Internet Files\\x.gif", 300)
        .Registry("HKCU\\Software\\Netscape\\Netscape Navigator\\Cache", "Cache Dir",
                  "C:\\NETSCAPE\\CACHE")
        .Registry("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Main", "Cache_Directory",
                  "C:\\WINDOWS\\Temporary Internet Files\\");
  }
};

TEST_F(TempFilesTest, CountsTheEntriesDirectlyInEachFolder) {
  Start();
  SystemProfile p;
  MeasureTemporarySpace(*context_, p);
  EXPECT_EQ(p.windowsTempSpaceUsed, 3000);
  EXPECT_EQ(p.netscapeTempSpaceUsed, 4096);
  EXPECT_EQ(p.explorerTempSpaceUsed, 300);
}

TEST_F(TempFilesTest, DeletingKeepsFilesInUseAndSubfolders) {
  image_.FileInUse("C:\\WINDOWS\\TEMP\\~b.tmp");
  Start();
  DeleteTemporaryFiles(*context_, TempFolder::Windows);
  platform::FileSystem& files = machine_->Files();
  EXPECT_EQ(files.GetAttributes("C:\\WINDOWS\\TEMP\\~a.tmp"), platform::attr::kInvalid);
  EXPECT_NE(files.GetAttributes("C:\\WINDOWS\\TEMP\\~b.tmp"), platform::attr::kInvalid);
  EXPECT_NE(files.GetAttributes("C:\\WINDOWS\\TEMP\\SUB\\deep.tmp"), platform::attr::kInvalid);
  EXPECT_EQ(TemporarySpaceUsed(*context_, TempFolder::Windows), 2000);
  EXPECT_EQ(TemporarySpaceUsed(*context_, TempFolder::Netscape), 4096);
}

TEST(TempFolderTest, MissingCacheValuesCountNothing) {
  emulated::ImageBuilder image;
  image.SizedFile("C:\\NETSCAPE\\CACHE\\M0001.htm", 4096);
  const auto machine = image.Open();
  ASSERT_NE(machine, nullptr) << image.Error();
  RunContext context(*machine);
  EXPECT_EQ(TempFolderPath(context, TempFolder::Netscape), "");
  EXPECT_EQ(TemporarySpaceUsed(context, TempFolder::Netscape), 0);
  EXPECT_EQ(TemporarySpaceUsed(context, TempFolder::InternetExplorer), 0);
  DeleteTemporaryFiles(context, TempFolder::Netscape);
  EXPECT_NE(machine->Files().GetAttributes("C:\\NETSCAPE\\CACHE\\M0001.htm"), platform::attr::kInvalid);
}

TEST(RegistryTextTest, ReadsStringsOnly) {
  emulated::ImageBuilder image;
  image.Registry("HKLM\\SOFTWARE\\T", "Text", "value").RegistryDword("HKLM\\SOFTWARE\\T", "Number", 7);
  const auto machine = image.Open();
  ASSERT_NE(machine, nullptr) << image.Error();
  platform::Registry& registry = machine->Reg();
  EXPECT_EQ(ReadRegistryText(registry, platform::hkey::kLocalMachine, "SOFTWARE\\T", "Text"), "value");
  EXPECT_EQ(ReadRegistryText(registry, platform::hkey::kLocalMachine, "SOFTWARE\\T", "Number"), std::nullopt);
  EXPECT_EQ(ReadRegistryText(registry, platform::hkey::kLocalMachine, "SOFTWARE\\T", "None"), std::nullopt);
  EXPECT_EQ(ReadRegistryText(registry, platform::hkey::kLocalMachine, "SOFTWARE\\U", "Text"), std::nullopt);
  EXPECT_EQ(machine->OpenRegistryKeys(), 0u);
}

}  // namespace
}  // namespace cvn
