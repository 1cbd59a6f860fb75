#include "report/Report.h"

#include <gtest/gtest.h>

#include <string>

#include "checks/FileCheck.h"
#include "checks/InstallMedia.h"
#include "report/ReportBlocks.h"
#include "tests/unit/ConfigTestSupport.h"

namespace cvn {
namespace {

class ReportTest : public test::ConfigMachineTest {
 protected:
  void LoadApp(const std::string& cdb) {
    image_.File("C:\\CORVANE\\APP.EXE", "MZ");
    ASSERT_EQ(Load("C:\\CORVANE\\APP.CDB", cdb), platform::kSOk);
  }

  platform::HResult Write() { return WriteReport(*context_, database_, answers_, user_, path_); }

  std::string Written(const std::string& path) {
    const auto bytes = machine_->Files().ReadFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  }

  SavedAnswers answers_;
  UserInfo user_;
  std::string path_;
};

constexpr const char* kAppInfo = "[App Info]\nAppName=Sample\nAppFileName=APP.EXE\n";
constexpr const char* kQuiet = "[Corvane Info]\nGetUserInfo=N\nCheckConfigurationDatabase=N\nAskQuestions=N\n";

TEST_F(ReportTest, WithoutAppInfoThereIsNoApplicationBlockAndTheDefaultName) {
  LoadApp(std::string(kQuiet) + "[Vendor Info]\nVendorName=Vendor\n");
  ASSERT_EQ(Write(), platform::kSOk);
  EXPECT_EQ(path_.substr(path_.size() - 12), "\\corvane.txt");
  const std::string text = Written(path_);
  EXPECT_EQ(text.substr(0, 44), "Corvane Report\r\n==============\r\n\r\nLegend:\r\n*");
  EXPECT_EQ(text.find("Application:"), std::string::npos);
}

TEST_F(ReportTest, ApplicationBlockNamesTheApplicationAndTheDate) {
  LoadApp(std::string(kAppInfo) + kQuiet);
  ASSERT_EQ(Write(), platform::kSOk);
  EXPECT_EQ(DisplayForm(path_), "c:\\corvane\\corvane.txt");
  EXPECT_NE(Written(path_).find("Corvane Report\r\n==============\r\n\r\n   Application:   Sample\r\n"
                                "   Bitness:       unknown application, 32-bit Registry view and System folder\r\n\r\n"
                                "   Tuesday, July 01, 1997    12:00 PM\r\n\r\nLegend:"),
            std::string::npos)
      << Written(path_);
}

TEST_F(ReportTest, WidthOfTwentyWrapsAtForty) {
  LoadApp(std::string(kAppInfo) + "ReportWidth=20\n" + kQuiet +
          "[Vendor Info]\nTechSupportInstructions=Call us on any working day between nine and five "
          "please\n");
  ASSERT_EQ(Write(), platform::kSOk);
  const std::string text = Written(path_);
  EXPECT_NE(text.find("\r\n\r\n      Call us on any working day between\r\n"
                      "      nine and five please\r\n"),
            std::string::npos)
      << text;
}

// File information that turns up only when the report is written: the file
// checked before without it is checked again against its size and date, and
// the note that sizes cannot be checked goes.
TEST_F(ReportTest, FileInformationObtainedLateChecksTheFilesAgain) {
  LoadApp(std::string(kAppInfo) + "[Corvane Info]\nGetUserInfo=N\nAskQuestions=N\n"
          "[Program Info]\nAPP.EXE, 1, 1, Y, Y\n");
  static_cast<void>(PrepareFileInfo(*context_, database_));
  ASSERT_TRUE(database_.FileInfo().empty());
  FileCheckOutputs found;
  CheckFile(*context_, *database_.GetSection(SectionId::ProgramInfo)->ItemAs<FileItem>(0), nullptr, found, true);
  ASSERT_EQ(found.result, 0);
  const std::string fdb = "APP.EXE, 2048, 199701021000\r\n";
  ASSERT_TRUE(machine_->Files().WriteFile("C:\\CORVANE\\APP.FDB", platform::Bytes(fdb.begin(), fdb.end())));
  ASSERT_EQ(Write(), platform::kSOk);
  const std::string text = Written(path_);
  EXPECT_EQ(text.find("File sizes and dates cannot be checked"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n*  APP.EXE"), std::string::npos) << text;
}

TEST_F(ReportTest, UnwritableApplicationFolderSendsTheReportToTheTemporaryFolder) {
  image_.File("C:\\CORVANE\\corvane.txt", "old", {std::nullopt, platform::attr::kReadOnly});
  LoadApp(std::string(kAppInfo) + kQuiet);
  ASSERT_EQ(Write(), platform::kSOk);
  EXPECT_EQ(DisplayForm(path_), "c:\\windows\\temp\\corvane.txt");
  EXPECT_EQ(Written("C:\\CORVANE\\corvane.txt"), "old");
  EXPECT_EQ(Written(path_).substr(0, 16), "Corvane Report\r\n");
  ASSERT_FALSE(MessageTexts().empty());
  EXPECT_EQ(MessageTexts().back(),
            "The Corvane Report is complete!  Please check 'c:\\windows\\temp\\corvane.txt' for the results.");
}

TEST_F(ReportTest, NeitherFolderWritableFailsWithMessage10071) {
  image_.File("C:\\CORVANE\\corvane.txt", "old", {std::nullopt, platform::attr::kReadOnly});
  image_.File("C:\\WINDOWS\\TEMP\\corvane.txt", "old", {std::nullopt, platform::attr::kReadOnly});
  LoadApp(std::string(kAppInfo) + kQuiet);
  EXPECT_EQ(Write(), platform::kEFail);
  ASSERT_FALSE(MessageTexts().empty());
  EXPECT_EQ(MessageTexts().back(),
            "Unable to open Configuration Database file 'c:\\windows\\temp\\corvane.txt'.");
}

TEST_F(ReportTest, SupportPhoneFallsBackToTheVendorsOnlyWhenItsKeyIsThere) {
  LoadApp(std::string(kAppInfo) + kQuiet +
          "[Vendor Info]\nVendorPhone=555-1\nTechSupportPhone=\nVendorFax=555-2\n");
  ASSERT_EQ(Write(), platform::kSOk);
  const std::string text = Written(path_);
  EXPECT_NE(text.find("      Phone     555-1\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("555-2"), std::string::npos);
}

TEST_F(ReportTest, IniItemNamesShowFileSectionAndEntry) {
  EXPECT_EQ(IniSettingName("APP\\Options\\Colour"), "APP.ini [Options] Colour");
  EXPECT_EQ(IniSettingName("APP\\Sub\\Part\\Key"), "APP.ini [Sub\\Part] Key");
  EXPECT_EQ(IniSettingName("APP\\Key"), "APP.ini [] Key");
  EXPECT_EQ(IniSettingName("Plain"), "Plain");
}

}  // namespace
}  // namespace cvn
