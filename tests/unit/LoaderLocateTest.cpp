// Locating the supported application when Directory Info ends.
#include <gtest/gtest.h>

#include <string>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "tests/unit/ConfigTestSupport.h"

namespace cvn {
namespace {

class LoaderLocateTest : public test::ConfigMachineTest {
 protected:
  // App Info, then Directory Info, then `after` (which must begin with a
  // header for the application to be located).
  static std::string Database(const std::string& appInfo, const std::string& directoryInfo = "",
                              const std::string& after = "[End]\n") {
    return "[App Info]\n" + appInfo + "\n[Directory Info]\n" + directoryInfo + "\n" + after;
  }

  std::string ApplicationFolder() const { return context_->locations.Folder('1'); }
};

TEST_F(LoaderLocateTest, TheFolderOfTheCdbWhenTheProgramIsBesideIt) {
  image_.File("C:\\App\\APP.EXE", "MZ");
  ASSERT_EQ(Load("C:\\App\\Vendor.cdb", Database("AppFileName=APP.EXE", "1=D:\\Elsewhere")),
            platform::kSOk);
  EXPECT_EQ(ApplicationFolder(), "c:\\app");
  EXPECT_EQ(*Value(SectionId::DirectoryInfo, "1"), "c:\\app");
  EXPECT_TRUE(machine_->OpenFileRequests().empty());
  EXPECT_EQ(context_->locations.DirectoryInfo(), database_.GetSection(SectionId::DirectoryInfo));
}

TEST_F(LoaderLocateTest, TheSignatureFileAlsoLocatesTheApplication) {
  image_.File("C:\\App\\SIGN.DAT", "x");
  ASSERT_EQ(Load("C:\\App\\Vendor.cdb", Database("SignatureFileName=sign.dat\nAppFileName=NONE.EXE")),
            platform::kSOk);
  EXPECT_EQ(ApplicationFolder(), "c:\\app");
}

TEST_F(LoaderLocateTest, TheProgramsOwnFolderComesNext) {
  image_.File("C:\\CORVANE\\APP.EXE", "MZ");
  ASSERT_EQ(Load("C:\\Data\\Vendor.cdb", Database("AppFileName=APP.EXE")), platform::kSOk);
  EXPECT_EQ(ApplicationFolder(), "c:\\corvane");
}

TEST_F(LoaderLocateTest, TheVendorsFolderComesLastAndMayUseLocationCodes) {
  image_.File("C:\\WINDOWS\\Vendor App\\APP.EXE", "MZ");
  ASSERT_EQ(Load("C:\\Data\\Vendor.cdb", Database("AppFileName=APP.EXE", "1=W|Vendor App\\")),
            platform::kSOk);
  EXPECT_EQ(ApplicationFolder(), "c:\\windows\\vendor app");
  EXPECT_EQ(context_->locations.applicationDrive, 'C');
  EXPECT_TRUE(machine_->OpenFileRequests().empty());
}

TEST_F(LoaderLocateTest, TheUserIsAskedWhenNoCandidateHoldsTheProgram) {
  image_.Drive('D', platform::DriveType::Fixed).File("D:\\Somewhere\\Other.exe", "MZ");
  image_.OpenFileAnswer("D:\\Somewhere\\Other.exe");
  ASSERT_EQ(Load("C:\\Data\\Vendor.cdb", Database("AppFileName=APP.EXE")), platform::kSOk);
  ASSERT_EQ(machine_->OpenFileRequests().size(), 1u);
  const platform::OpenFileRequest& request = machine_->OpenFileRequests()[0].request;
  EXPECT_EQ(request.filter, "Application To Check (*.exe)|*.exe||");
  EXPECT_EQ(request.defaultExtension, "exe");
  EXPECT_EQ(request.initialFile, "");
  EXPECT_EQ(request.flags, platform::ofn::kFileMustExist | platform::ofn::kHideReadOnly);
  EXPECT_EQ(ApplicationFolder(), "d:\\somewhere");
  EXPECT_EQ(context_->locations.applicationDrive, 'D');
}

TEST_F(LoaderLocateTest, CancellingTheDialogFailsTheLoadWithoutAMessage) {
  image_.OpenFileAnswer(std::nullopt);
  EXPECT_EQ(Load("C:\\Data\\Vendor.cdb",
                 Database("AppName=Foo", "", "[Vendor Info]\nVendorName=x\n[End]\n")),
            platform::kEFail);
  EXPECT_TRUE(machine_->Messages().empty());
  EXPECT_EQ(context_->appName, "Foo");  // App Info ended before Directory Info did
  EXPECT_EQ(Value(SectionId::VendorInfo, "VendorName"), nullptr);
}

TEST_F(LoaderLocateTest, NoLocatingWhenTheFileEndsInsideDirectoryInfo) {
  ASSERT_EQ(Load("C:\\Data\\Vendor.cdb", "[Directory Info]\nQ=C:\\Q\n"), platform::kSOk);
  EXPECT_TRUE(machine_->OpenFileRequests().empty());
  EXPECT_EQ(context_->locations.DirectoryInfo(), nullptr);
}

TEST_F(LoaderLocateTest, DirectoryInfoGetsTheResolvedFolders) {
  image_.File("C:\\App\\APP.EXE", "MZ");
  ASSERT_EQ(Load("C:\\App\\Vendor.cdb",
                 Database("AppFileName=APP.EXE", "W=x\nS=x\nT=x\n2=x\nQ=W|Sub\\\nR=[HKEY_X\\a\\b]")),
            platform::kSOk);
  const auto value = [&](const char* key) { return *Value(SectionId::DirectoryInfo, key); };
  EXPECT_EQ(value("W"), "C:\\WINDOWS\\");
  EXPECT_EQ(value("S"), "C:\\WINDOWS\\SYSTEM\\");
  EXPECT_EQ(value("T"), "C:\\WINDOWS\\TEMP\\");
  EXPECT_EQ(value("2"), "");
  EXPECT_EQ(value("Q"), "c:\\windows\\sub");
  EXPECT_EQ(value("R"), "[HKEY_X\\a\\b]");
}

TEST_F(LoaderLocateTest, CustomCodesInSettingsResolveOnlyAfterDirectoryInfo) {
  image_.File("C:\\App\\APP.EXE", "MZ");
  const std::string settings = "[INI Info]\napp\\s\\k=Q|x\n,Y\n";
  ASSERT_EQ(Load("C:\\App\\Vendor.cdb", settings + Database("AppFileName=APP.EXE", "Q=D:\\Q",
                                                      "[INI Info]\napp\\s\\k2=Q|x\n,Y\n")),
            platform::kSOk);
  const ConfigSection* ini = database_.GetSection(SectionId::IniInfo);
  ASSERT_EQ(ini->Count(), 2u);
  EXPECT_EQ(ini->ItemAs<SettingItem>(0)->expectedValues, std::vector<std::string>{"q|x"});
  EXPECT_EQ(ini->ItemAs<SettingItem>(1)->expectedValues, std::vector<std::string>{"d:\\q\\x"});
}

TEST_F(LoaderLocateTest, ADestroyedDatabaseLeavesNoDirectoryInfoBehind) {
  image_.File("C:\\App\\APP.EXE", "MZ");
  Start();
  {
    ConfigDatabase other;
    image_.File("C:\\App\\Other.cdb", Database("AppFileName=APP.EXE", "Q=D:\\Q"));
    ASSERT_EQ(other.Load(*context_, "C:\\App\\Other.cdb"), platform::kSOk);
    EXPECT_EQ(Expanded("Q|x"), "d:\\q\\x");
  }
  EXPECT_EQ(context_->locations.DirectoryInfo(), nullptr);
  EXPECT_EQ(Expanded("Q|x"), "Q|x");
}

}  // namespace
}  // namespace cvn
