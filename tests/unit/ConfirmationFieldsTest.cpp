// What the confirmation and registration dialogs show, through the fields
// the core hands them: the size and version forms of a candidate, and the
// emphasis and suggested action of a moved server, and the value a
// setting's revert proposes.
#include <gtest/gtest.h>

#include "config/ItemStatus.h"
#include "fixes/FileConfirmationFields.h"
#include "fixes/RegistrationFields.h"
#include "fixes/SettingConfirmationFields.h"
#include "tests/unit/ConfigTestSupport.h"
#include "tests/support/FileCheckTestFiles.h"

namespace cvn {
namespace {

class ConfirmationFieldsTest : public test::ConfigMachineTest {
 protected:
  void SetUp() override { Start(); }
};

TEST_F(ConfirmationFieldsTest, ACandidateShowsItsByteCountFrom1024BytesOnAndNoZeroVersion) {
  image_.SizedFile("C:\\SRC\\SMALL.DLL", 1023).SizedFile("C:\\SRC\\LARGE.DLL", 1024);
  image_.File("C:\\SRC\\ZERO.DLL", test::VersionedDll(0, 0));
  FileItem item("X.DLL");
  item.status = filestatus::kNotFound;
  auto shown = [&](const std::string& source) {
    FileCopyPlan plan{"C:\\APP\\X.DLL", source, "", ReadCandidate(*context_, source).value()};
    return MakeFileConfirmation(*context_, item, plan).replacement;
  };
  EXPECT_EQ(shown("C:\\SRC\\SMALL.DLL").size, "1023 bytes");
  EXPECT_EQ(shown("C:\\SRC\\LARGE.DLL").size, "1 KB (1024 bytes)");
  EXPECT_EQ(shown("C:\\SRC\\ZERO.DLL").version, "");
}

TEST_F(ConfirmationFieldsTest, AKnownBadVersionAllowsAnOlderOneAndSaysSo) {
  image_.File("C:\\SRC\\X.DLL", test::VersionedDll(0x00010000, 0));
  FileItem item("X.DLL");
  item.status = filestatus::kRejectedVersion;
  item.actualVersion = "3.0.0.0";
  item.versionProblem = true;
  FileCopyPlan plan{"C:\\APP\\X.DLL", "C:\\SRC\\X.DLL", "C:\\APP\\BACKUP\\X.DLL",
                    ReadCandidate(*context_, "C:\\SRC\\X.DLL").value()};
  const FileConfirmation shown = MakeFileConfirmation(*context_, item, plan);
  EXPECT_EQ(shown.current.version, "3.0.0.0 [known bad version]");
  EXPECT_TRUE(shown.current.versionBold);
  EXPECT_EQ(shown.note,
            "The version of the current file is known to cause problems, so using an old version file is OK.  "
            "The old file will be moved to 'c:\\app\\backup\\x.dll'.");
}

TEST_F(ConfirmationFieldsTest, AMovedServerShowsItsFoldersInBoldAndTheNote) {
  ServerItem item("Word Count Control");
  item.serverFile = "wc.ocx";
  item.expectedServerPath = "C:\\App\\wc.ocx";
  item.registeredServerPath = "C:\\Windows\\wc.ocx";
  for (auto& status : item.subStatus) status = substatus::kMatches;
  item.SubStatus(ServerAspect::ServerLocation) = substatus::kWrongFolder;
  const ServerConfirmation details =
      MakeServerFields(*context_, item, SectionId::ControlRegistryInfo, DialogVariant::Details);
  EXPECT_EQ(details.dialog, 116);
  EXPECT_EQ(details.location.actual, "c:\\windows");
  EXPECT_EQ(details.location.expected, "c:\\app");
  EXPECT_TRUE(details.location.actualBold);
  EXPECT_TRUE(details.location.expectedBold);
  EXPECT_FALSE(details.progId.actualBold);
  EXPECT_TRUE(details.suggestedActionEnabled);
  EXPECT_EQ(details.suggestedAction,
            "You should be able to fix this problem by reinstalling or reregistering the control.  Note that this "
            "problem may have been caused by moving or renaming the file.");

  const ServerConfirmation confirm =
      MakeServerFields(*context_, item, SectionId::OleServerInfo, DialogVariant::Confirm);
  EXPECT_EQ(confirm.dialog, confirmdialog::kServer);
  EXPECT_EQ(confirm.suggestedAction, "");

  // Not registered at all: only the actual side is emphasised.
  item.SubStatus(ServerAspect::ServerLocation) = substatus::kNotFound;
  const ServerConfirmation missing =
      MakeServerFields(*context_, item, SectionId::OleServerInfo, DialogVariant::Details);
  EXPECT_TRUE(missing.location.actualBold);
  EXPECT_FALSE(missing.location.expectedBold);
  EXPECT_EQ(missing.suggestedAction, "You should be able to fix this problem by installing the server.");
}

TEST_F(ConfirmationFieldsTest, ARevertProposesTheRecordedValueInTheListOrElseInTheEditBox) {
  SettingConfirmation listed;
  listed.useList = true;
  listed.choices = {"0", "On", "1"};
  listed.proposal = "0";
  ProposeEarlierValue(listed, "on");
  EXPECT_TRUE(listed.useList);
  EXPECT_EQ(listed.proposal, "On");

  SettingConfirmation other = listed;
  ProposeEarlierValue(other, "7");
  EXPECT_FALSE(other.useList);
  EXPECT_TRUE(other.choices.empty());
  EXPECT_EQ(other.proposal, "7");
}

}  // namespace
}  // namespace cvn
