// The INI check: reading the value, the matching rules, the texts of each
// status and the cached outputs.
#include <gtest/gtest.h>

#include <string>

#include "config/ItemStatus.h"
#include "tests/unit/RegistryCheckTestSupport.h"

namespace cvn {
namespace {

class SettingCheckIniTest : public test::SettingCheckTest {
 protected:
  void LoadIni(const std::string& entries) { LoadSettings("INI Info", entries); }

  SettingOutputs Check(size_t index = 0) { return Run(CheckIniSetting, SectionId::IniInfo, index); }
};

TEST_F(SettingCheckIniTest, ReadsTheKeyOfTheSectionOfTheNamedFile) {
  image_.File("C:\\WINDOWS\\WIN.INI", "[windows]\r\nload=C:\\App\\tray.exe\r\nrun=\r\n");
  LoadIni(Entry("win\\windows\\load", "*"));
  const SettingOutputs out = Check();
  EXPECT_EQ(out.status, settingstatus::kOk);
  EXPECT_EQ(out.actualValueText, "C:\\App\\tray.exe");
  EXPECT_EQ(out.actualDisplayText, "\"C:\\App\\tray.exe\"");
  EXPECT_EQ(out.expectedValuesText, "[Any non-blank value]");
  EXPECT_EQ(out.actionText, "");
  EXPECT_EQ(out.explanationText, "");
  EXPECT_TRUE(Item(SectionId::IniInfo, 0).checked);
}

TEST_F(SettingCheckIniTest, ABlankValueIsLookedForAgainInTheApplicationFolder) {
  image_.File("C:\\WINDOWS\\APP.INI", "[Paths]\r\nData=\r\nBoth=windows\r\n");
  image_.File("C:\\App\\APP.INI", "[Paths]\r\nData=C:\\App\\Data\r\nBoth=application\r\nOnly=here\r\n");
  LoadIni(Entry("app\\Paths\\Data", "*") + Entry("app\\Paths\\Both", "*") +
          Entry("app\\Paths\\Only", "*") + Entry("app\\Paths\\None", "*"));
  EXPECT_EQ(Check(0).actualValueText, "C:\\App\\Data");
  EXPECT_EQ(Check(1).actualValueText, "windows");
  EXPECT_EQ(Check(2).actualValueText, "here");
  EXPECT_EQ(Check(3).actualValueText, "");
}

TEST_F(SettingCheckIniTest, AValueIsReadIntoTheProfileCallsBuffer) {
  const std::string fits(259, 'a');
  const std::string longer(300, 'b');
  image_.File("C:\\WINDOWS\\LONG.INI", "[S]\r\nFits=" + fits + "\r\nLonger=" + longer + "\r\n");
  LoadIni(Entry("long\\S\\Fits", "*") + Entry("long\\S\\Longer", "*"));
  EXPECT_EQ(Check(0).actualValueText, fits);
  EXPECT_EQ(Check(1).actualValueText, longer.substr(0, 259));
}

TEST_F(SettingCheckIniTest, AMissingKeyThatMustNotBeBlank) {
  LoadIni(Entry("win\\windows\\load", "*"));
  const SettingOutputs out = Check();
  EXPECT_EQ(out.status, settingstatus::kBlank);
  EXPECT_EQ(out.actualDisplayText, "[blank]");
  EXPECT_EQ(out.actionText, std::string("The INI entry should not be blank.  ") + test::kVendorAction);
  EXPECT_EQ(out.explanationText, test::kVendorExplanation);
}

TEST_F(SettingCheckIniTest, ALocationWithoutABackslashIsInvalid) {
  LoadIni(Entry("winini", "*"));
  const SettingOutputs out = Check();
  EXPECT_EQ(out.status, settingstatus::kInvalid);
  EXPECT_EQ(out.actionText, std::string("This data entry is invalid.  ") + test::kVendorAction);
}

// Each case is accepted by one rule only; the same live value against a
// value that no rule accepts shows the case is not accepted by accident.
TEST_F(SettingCheckIniTest, EachMatchingRuleAcceptsItsOwnCase) {
  image_.File("C:\\Program Files\\App\\app.exe", "MZ");
  const struct {
    const char* live;
    const char* accepted;
    const char* rejected;
  } cases[] = {
      {"anything at all", "*", "[something, else]"},                     // any non-blank value
      {"C:\\WINDOWS\\SYSTEM\\VBRUN300.DLL", "{vbrun}", "[vbrun]"},       // contains, case ignored
      {"Yes Please", "[no, YES PLEASE]", "[no, yes]"},                   // equality, case ignored
      {"W|App.ini", "C:\\WINDOWS\\app.ini", "C:\\WINDOWS\\other.ini"},   // expanded path
      {"C:\\WINDOWS\\", "C:\\Windows", "C:\\Windows\\System"},           // trailing backslash
      {"C:\\PROGRA~1\\APP\\APP.EXE /S", "C:\\Program Files\\App\\app.exe /s",
       "C:\\Program Files\\App\\app.exe /t"},                            // short names
  };
  std::string ini = "[S]\r\n";
  std::string entries;
  for (size_t i = 0; i < std::size(cases); ++i) {
    ini += "K" + std::to_string(i) + "=" + cases[i].live + "\r\n";
    const std::string location = "cases\\S\\K" + std::to_string(i);
    entries += Entry(location, cases[i].accepted) + Entry(location, cases[i].rejected);
  }
  image_.File("C:\\WINDOWS\\CASES.INI", ini);
  LoadIni(entries);
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Check(2 * i).status, settingstatus::kOk) << cases[i].live;
    EXPECT_EQ(Check(2 * i + 1).status, settingstatus::kNotAcceptable) << cases[i].live;
  }
}

TEST_F(SettingCheckIniTest, OneExpectedValueIsShownBesideTheLiveValue) {
  image_.File("C:\\WINDOWS\\APP.INI", "[S]\r\nMode=fast\r\n");
  LoadIni(Entry("app\\S\\Mode", "slow") + Entry("app\\S\\Missing", "slow") +
          Entry("app\\S\\Mode", "[slow, safe]"));
  const SettingOutputs one = Check(0);
  EXPECT_EQ(one.status, settingstatus::kNotAcceptable);
  EXPECT_EQ(one.actualDisplayText, "'fast', expected 'slow'");
  EXPECT_EQ(one.actionText, test::kVendorAction);
  EXPECT_EQ(one.explanationText, test::kVendorExplanation);
  EXPECT_EQ(Check(1).actualDisplayText, "[blank], expected 'slow'");
  const SettingOutputs two = Check(2);
  EXPECT_EQ(two.status, settingstatus::kNotAcceptable);
  EXPECT_EQ(two.actualDisplayText, "\"fast\"");
  EXPECT_EQ(two.expectedValuesText, "[slow, or safe]");
}

TEST_F(SettingCheckIniTest, ASettingThatIsNotRequiredSaysSo) {
  image_.File("C:\\WINDOWS\\APP.INI", "[S]\r\nMode=fast\r\n");
  LoadIni(Entry("app\\S\\Mode", "slow", "N") + Entry("app\\S\\Mode", "fast", "N"));
  const SettingOutputs wrong = Check(0);
  EXPECT_EQ(wrong.explanationText,
            std::string(test::kVendorExplanation) + "  This setting is not required.");
  EXPECT_EQ(ProblemLevel(Item(SectionId::IniInfo, 0)), level::kSeriousWarning);
  EXPECT_EQ(Check(1).explanationText, "");
}

TEST_F(SettingCheckIniTest, TheFirstCheckIsKeptUntilTheItemIsCleared) {
  image_.File("C:\\WINDOWS\\APP.INI", "[S]\r\nMode=fast\r\n");
  LoadIni(Entry("app\\S\\Mode", "fast"));
  EXPECT_EQ(Check().status, settingstatus::kOk);
  machine_->Ini().WriteString("S", std::string("Mode"), std::string("slow"), "app.ini");
  machine_->Ini().Flush("app.ini");
  const SettingOutputs cached = Check();
  EXPECT_EQ(cached.status, settingstatus::kOk);
  EXPECT_EQ(cached.actualValueText, "fast");
  Item(SectionId::IniInfo, 0).checked = false;
  const SettingOutputs fresh = Check();
  EXPECT_EQ(fresh.status, settingstatus::kNotAcceptable);
  EXPECT_EQ(fresh.actualValueText, "slow");
  EXPECT_EQ(fresh.actionText, test::kVendorAction);
}

}  // namespace
}  // namespace cvn
