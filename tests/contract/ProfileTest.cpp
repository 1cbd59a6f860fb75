// INI files through the profile calls.
#include <string>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

constexpr size_t kBuffer = 256;

class ProfileTest : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    ini = Join(env().ScratchFolder(), "test.ini");
  }
  void WriteIni(const std::string& text) { WriteText(machine().Files(), ini, text); }
  std::string Get(const std::string& section, const std::string& key,
                  const std::string& def = "dflt", size_t size = kBuffer) {
    return machine().Ini().GetString(section, key, def, ini, size);
  }

  std::string ini;
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(Get("Any", "Key"), "dflt");
  WriteIni("[Present]\r\nKey=value\r\n");
  EXPECT_EQ(Get("Absent", "Key"), "dflt");
  EXPECT_EQ(Get("Present", "Other"), "dflt");
  EXPECT_EQ(Get("Present", "Other", ""), "");
  EXPECT_EQ(Get("Present", "Key"), "value");
}

TEST_F(ProfileTest, TrailingBlanksOfTheDefaultAreRemoved) {
  EXPECT_EQ(Get("Any", "Key", "  padded  "), "  padded");
}

TEST_F(ProfileTest, BlanksAroundKeysAndValuesAreIgnored) {
  WriteIni("[ Spaced ]\r\n  Key One  =   some value  \r\nTab\t=\tx\t\r\n");
  EXPECT_EQ(Get("Spaced", "Key One"), "some value");
  EXPECT_EQ(Get("Spaced", "Tab"), "x");
}

TEST_F(ProfileTest, SectionAndKeyNamesIgnoreLetterCase) {
  WriteIni("[MixedCase]\r\nSomeKey=Value Kept\r\n");
  EXPECT_EQ(Get("MIXEDCASE", "somekey"), "Value Kept");
  EXPECT_EQ(Get("mixedcase", "SOMEKEY"), "Value Kept");
}

TEST_F(ProfileTest, EnclosingDoubleQuotesAreRemoved) {
  WriteIni("[Q]\r\nBoth=\"quoted text\"\r\nOpen=\"half\r\nInner=a \"b\" c\r\n");
  EXPECT_EQ(Get("Q", "Both"), "quoted text");
  EXPECT_EQ(Get("Q", "Open"), "\"half");
  EXPECT_EQ(Get("Q", "Inner"), "a \"b\" c");
}

TEST_F(ProfileTest, FirstOfRepeatedKeysAndSectionsWins) {
  WriteIni("[Dup]\r\nKey=first\r\nKey=second\r\n[Dup]\r\nKey=third\r\nLate=late\r\n");
  EXPECT_EQ(Get("Dup", "Key"), "first");
}

TEST_F(ProfileTest, ValueLongerThanTheBufferIsCut) {
  WriteIni("[Long]\r\nKey=abcdefghij\r\n");
  EXPECT_EQ(Get("Long", "Key", "d", 11), "abcdefghij");  // exact fit
  EXPECT_EQ(Get("Long", "Key", "d", 10), "abcdefghi");   // one short
  EXPECT_EQ(Get("Long", "Key", "d", 5), "abcd");
  const std::string long300(300, 'v');
  WriteIni("[Long]\r\nKey=" + long300 + "\r\n");
  EXPECT_EQ(Get("Long", "Key", "d", 261), long300.substr(0, 260));
  EXPECT_EQ(Get("Long", "Key", "d", 1024), long300);
}

TEST_F(ProfileTest, KeysOfASectionInFileOrder) {
  WriteIni("[S]\r\nbeta=1\r\nAlpha=2\r\n; comment\r\ngamma=\r\n[T]\r\nother=3\r\n");
  const std::vector<std::string> expected{"beta", "Alpha", "gamma"};
  EXPECT_EQ(machine().Ini().GetKeys("S", ini), expected);
  EXPECT_TRUE(machine().Ini().GetKeys("None", ini).empty());
}

TEST_F(ProfileTest, SectionsOfAFileInFileOrder) {
  WriteIni("stray=0\r\n[Second]\r\na=1\r\n[first]\r\n; comment\r\n[Third]\r\n");
  const std::vector<std::string> expected{"Second", "first", "Third"};
  EXPECT_EQ(machine().Ini().GetSections(ini), expected);
  EXPECT_TRUE(machine().Ini().GetSections(Join(env().ScratchFolder(), "none.ini")).empty());
}

TEST_F(ProfileTest, IntegersReadTheLeadingDigits) {
  WriteIni("[N]\r\nPlain=42\r\nTrail=17abc\r\nWord=abc\r\nEmpty=\r\nSpaced=  9  \r\n");
  auto& p = machine().Ini();
  EXPECT_EQ(p.GetInt("N", "Plain", -1, ini), 42);
  EXPECT_EQ(p.GetInt("N", "Trail", -1, ini), 17);
  EXPECT_EQ(p.GetInt("N", "Word", -1, ini), 0);
  EXPECT_EQ(p.GetInt("N", "Empty", -1, ini), -1);
  EXPECT_EQ(p.GetInt("N", "Spaced", -1, ini), 9);
  EXPECT_EQ(p.GetInt("N", "Missing", 5, ini), 5);
}

TEST_F(ProfileTest, WritingCreatesTheFileAndReadsBack) {
  auto& p = machine().Ini();
  ASSERT_TRUE(p.WriteString("New", std::string("Key"), std::string("v1"), ini));
  ASSERT_TRUE(p.WriteString("New", std::string("Other"), std::string("v2"), ini));
  ASSERT_TRUE(p.WriteString("new", std::string("KEY"), std::string("v3"), ini));
  ASSERT_TRUE(p.Flush(ini));
  EXPECT_EQ(Get("New", "Key"), "v3");
  EXPECT_EQ(ReadText(machine().Files(), ini), "[New]\r\nKey=v3\r\nOther=v2\r\n");
}

TEST_F(ProfileTest, WritingNothingRemovesAKeyOrASection) {
  WriteIni("[A]\r\nk1=1\r\nk2=2\r\n[B]\r\nk=3\r\n");
  auto& p = machine().Ini();
  ASSERT_TRUE(p.WriteString("A", std::string("k1"), std::nullopt, ini));
  ASSERT_TRUE(p.WriteString("B", std::nullopt, std::nullopt, ini));
  ASSERT_TRUE(p.Flush(ini));
  EXPECT_EQ(Get("A", "k1"), "dflt");
  EXPECT_EQ(Get("A", "k2"), "2");
  EXPECT_EQ(Get("B", "k"), "dflt");
  EXPECT_EQ(ReadText(machine().Files(), ini), "[A]\r\nk2=2\r\n");
}

TEST_F(ProfileTest, ABareFileNameMeansTheWindowsFolder) {
  const std::string name = "cvnbare.ini";
  auto& p = machine().Ini();
  ASSERT_TRUE(p.WriteString("Bare", std::string("Key"), std::string("here"), name));
  ASSERT_TRUE(p.Flush(name));
  const std::string inWindows = Join(machine().Files().WindowsDirectory(), name);
  EXPECT_EQ(p.GetString("Bare", "Key", "", inWindows, kBuffer), "here");
  EXPECT_NE(ReadText(machine().Files(), inWindows).find("Key=here"), std::string::npos);
  EXPECT_TRUE(machine().Files().DeleteFile(inWindows));
}

TEST_F(ProfileTest, FlushWritesChangesMadeThroughTheCalls) {
  auto& p = machine().Ini();
  ASSERT_TRUE(p.WriteString("F", std::string("k"), std::string("v"), ini));
  ASSERT_TRUE(p.Flush(ini));
  // A change to the file behind the calls' back is seen after the flush.
  WriteIni("[F]\r\nk=outside\r\n");
  ASSERT_TRUE(p.Flush(ini));
  EXPECT_EQ(Get("F", "k"), "outside");
}

}  // namespace
}  // namespace cvn::test
