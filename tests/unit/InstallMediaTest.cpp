#include <gtest/gtest.h>

#include "checks/InstallMedia.h"
#include "ConfigTestSupport.h"

namespace cvn {
namespace {

using emulated::ImageBuilder;
using platform::DriveType;

class InstallMediaTest : public test::ConfigMachineTest {
 protected:
  // An application in C:\APP whose files are shipped in \SETUP of the CD.
  void LoadApp(const std::string& appInfoExtra = "CDVolumeLabel=APPCD\n") {
    image_.File("C:\\APP\\APP.EXE", "MZ");
    ASSERT_EQ(Load("C:\\APP\\APP.CDB", "[App Info]\nAppName=App\nAppFileName=APP.EXE\n" + appInfoExtra +
                                           "[Directory Info]\nC=1:\\SETUP\\\n"
                                           "[Program Info]\nAPP.EXE, 1, C, Y, Y\n"
                                           "[DLL Info]\nA.DLL, 1, C, Y, Y\nB.DLL, 1, C, Y, N\nMISSING.DLL, 1, C, Y, Y\n"
                                           "[Active X/OCX/VBX Info]\nC.OCX, 1, C, Y, Y\n"
                                           "[Driver Info]\nD.VXD, 1, C, N, Y\n"),
              platform::kSOk);
  }

  void ShipOnCd(const std::string& label) {
    image_.Drive('E', DriveType::CdRom, label);
    const FileOptions when{ImageBuilder::Time(1997, 5, 4, 10, 30, 15)};
    image_.SizedFile("E:\\SETUP\\APP.EXE", 4000, when)
        .SizedFile("E:\\SETUP\\A.DLL", 1234, when)
        .SizedFile("E:\\SETUP\\B.DLL", 99, when)
        .SizedFile("E:\\SETUP\\C.OCX", 777, when)
        .SizedFile("E:\\SETUP\\D.VXD", 55, when);
  }

  std::vector<std::string> EntryNames() const {
    std::vector<std::string> names;
    for (const auto& entry : database_.FileInfo()) names.push_back(entry.name);
    return names;
  }

  using FileOptions = emulated::FileOptions;
};

TEST_F(InstallMediaTest, TheRightCdInTheDriveIsTakenWithoutAPrompt) {
  ShipOnCd("appcd");
  LoadApp();
  EXPECT_EQ(PrepareFileInfo(*context_, database_), platform::kSOk);
  EXPECT_TRUE(machine_->Messages().empty());
  EXPECT_EQ(EntryNames(), (std::vector<std::string>{"APP.EXE", "A.DLL", "C.OCX", "D.VXD"}));
  const FileInfoEntry* a = database_.FindFileInfo("a.dll");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->size, 1234u);
  platform::SystemTime expected;
  expected.year = 1997;
  expected.month = 5;
  expected.day = 4;
  expected.hour = 10;
  expected.minute = 30;
  EXPECT_EQ(a->date, expected);
}

TEST_F(InstallMediaTest, TheDateIsLocalTime) {
  image_.Fact("Clock", "Bias", "-120");
  ShipOnCd("APPCD");
  LoadApp();
  static_cast<void>(PrepareFileInfo(*context_, database_));
  const FileInfoEntry* a = database_.FindFileInfo("A.DLL");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->date.hour, 12);
}

TEST_F(InstallMediaTest, AWrongLabelAsksUntilCancel) {
  ShipOnCd("OTHER");
  image_.Answer(platform::Answer::Ok).Answer(platform::Answer::Cancel);
  LoadApp();
  EXPECT_EQ(PrepareFileInfo(*context_, database_), platform::kSOk);
  const std::string prompt =
      "In order to check file sizes and dates, please insert 'APPCD' into the CD-ROM drive.";
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{prompt, prompt}));
  EXPECT_EQ(machine_->Messages().at(0).buttons, platform::Buttons::OkCancel);
  EXPECT_TRUE(database_.FileInfo().empty());
}

TEST_F(InstallMediaTest, AnEmptyDriveIsAskedFor) {
  image_.Drive('E', DriveType::CdRom).Fact("Drive E", "Media", "no");
  image_.Answer(platform::Answer::Cancel);
  LoadApp();
  static_cast<void>(PrepareFileInfo(*context_, database_));
  EXPECT_EQ(machine_->Messages().size(), 1u);
  EXPECT_TRUE(database_.FileInfo().empty());
}

TEST_F(InstallMediaTest, WithoutACdRomDriveDIsAskedFor) {
  image_.Drive('D', DriveType::Fixed, "APPCD");
  image_.SizedFile("D:\\SETUP\\A.DLL", 10);
  LoadApp();
  static_cast<void>(PrepareFileInfo(*context_, database_));
  EXPECT_TRUE(machine_->Messages().empty());
  EXPECT_EQ(EntryNames(), std::vector<std::string>{"A.DLL"});
}

TEST_F(InstallMediaTest, TheFileInformationDatabaseComesFirst) {
  ShipOnCd("APPCD");
  image_.File("C:\\APP\\APP.FDB", "A.DLL, 42, 199601020304\n");
  LoadApp();
  static_cast<void>(PrepareFileInfo(*context_, database_));
  EXPECT_TRUE(machine_->Messages().empty());
  ASSERT_EQ(EntryNames(), std::vector<std::string>{"A.DLL"});
  EXPECT_EQ(database_.FileInfo()[0].size, 42u);
}

TEST_F(InstallMediaTest, NoLabelMeansNoFileInformation) {
  ShipOnCd("APPCD");
  LoadApp("");
  static_cast<void>(PrepareFileInfo(*context_, database_));
  EXPECT_TRUE(machine_->Messages().empty());
  EXPECT_TRUE(database_.FileInfo().empty());
}

}  // namespace
}  // namespace cvn
