// INI files through the profile calls.
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

constexpr size_t kBuffer = 256;

// The bytes of a UTF-16LE file that starts with its byte-order mark.
std::string Utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  return bytes;
}

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

// A line "=value" is a key with an empty name. The key list separates the
// names with zeros, so for its reader the list ends there.
TEST_F(ProfileTest, AnEmptyKeyNameEndsTheKeyList) {
  const struct {
    const char* lines;
    std::vector<std::string> keys;
  } kCases[] = {
      {"=first\r\nb=1\r\n", {}},
      {"a=1\r\n=v\r\nb=2\r\n", {"a"}},
      {"; note\r\n  = v\r\nb=2\r\n", {}},
      {"stray\r\n=\r\nb=1\r\n", {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.lines);
    WriteIni(std::string("[S]\r\n") + c.lines);
    EXPECT_EQ(machine().Ini().GetKeys("S", ini), c.keys);
  }
}

// RtlUnicodeStringToInteger with base 0: only lower-case prefixes change
// the base, and the value keeps its low 32 bits.
TEST_F(ProfileTest, IntegersReadTheLeadingDigits) {
  constexpr int kDefault = 77;
  const struct {
    const char* value;
    int expected;
  } kCases[] = {
      {"42", 42},       {"17abc", 17},     {"abc", 0},         {"", kDefault},     {"  9  ", 9},
      {"010", 10},      {"0x10", 16},      {"0X10", 0},        {"-0x10", -16},     {"+0x1f", 31},
      {"0xG", 0},       {"0b101", 5},      {"0B1", 0},         {"0b12", 1},        {"0o17", 15},
      {"0O17", 0},      {"-0b1", -1},      {"\" 0x10\"", 16}, {"'\t-0x10'", -16}, {"4294967297", 1},
  };
  std::string text = "[N]\r\n";
  for (size_t i = 0; i < std::size(kCases); ++i) text += std::to_string(i) + "=" + kCases[i].value + "\r\n";
  WriteIni(text);
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(std::string("value ") + kCases[i].value);
    EXPECT_EQ(machine().Ini().GetInt("N", std::to_string(i), kDefault, ini), kCases[i].expected);
  }
  EXPECT_EQ(machine().Ini().GetInt("N", "Missing", 5, ini), 5);
}

// A file with the UTF-16LE byte-order mark is text to Windows NT; the ANSI
// calls convert, and what the code page lacks reads as '?'.
TEST_F(ProfileTest, Utf16FileIsReadAsText) {
  WriteIni(Utf16File(u"[Erste]\r\n Key = Value \r\nName=\u0416\u540D\r\n\u0416=cyrillic\r\nNum=0x1F\r\n"
                     u"[Zweite]\r\n\u00C4=\u00FC\r\n"));
  auto& p = machine().Ini();
  EXPECT_EQ(Get("erste", "KEY"), "Value");
  EXPECT_EQ(Get("Erste", "Name"), "??");
  EXPECT_EQ(Get("Erste", "?"), "dflt");  // '?' is U+003F, not the name it stands for
  EXPECT_EQ(Get("Zweite", "\xC4"), "\xFC");
  EXPECT_EQ(p.GetInt("Erste", "Num", -1, ini), 31);
  EXPECT_EQ(p.GetKeys("Erste", ini), (std::vector<std::string>{"Key", "Name", "?", "Num"}));
  EXPECT_EQ(p.GetSections(ini), (std::vector<std::string>{"Erste", "Zweite"}));
}

TEST_F(ProfileTest, WritingAUtf16FileKeepsItsText) {
  WriteIni(Utf16File(u"[S]\r\nName=\u0416\u540D\r\n"));
  auto& p = machine().Ini();
  ASSERT_TRUE(p.WriteString("S", std::string("New"), std::string("caf\xE9"), ini));
  ASSERT_TRUE(p.WriteString("T", std::string("k"), std::string("v"), ini));
  ASSERT_TRUE(p.Flush(ini));
  EXPECT_EQ(ReadText(machine().Files(), ini),
            Utf16File(u"[S]\r\nName=\u0416\u540D\r\nNew=caf\u00E9\r\n[T]\r\nk=v\r\n"));
}

// An odd last byte is no whole character; it must not spoil the keys
// before it, nor the file when the calls write it.
TEST_F(ProfileTest, AnOddLengthUtf16FileKeepsItsKeys) {
  WriteIni(Utf16File(u"[S]\r\nk=v\r\n") + "A");
  EXPECT_EQ(Get("S", "k"), "v");
  ASSERT_TRUE(machine().Ini().WriteString("S", std::string("n"), std::string("w"), ini));
  ASSERT_TRUE(machine().Ini().Flush(ini));
  const std::string bytes = ReadText(machine().Files(), ini);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(bytes.size() % 2, 0u);
  EXPECT_EQ(Get("S", "k"), "v");
  EXPECT_EQ(Get("S", "n"), "w");
}

// Windows NT gives a UTF-8 byte-order mark no meaning: it is text of the
// first line, which so opens no section.
TEST_F(ProfileTest, AUtf8MarkIsTextOfTheFirstLine) {
  WriteIni("\xEF\xBB\xBF[S]\r\nk=v\r\n");
  EXPECT_WINDOWS_BEHAVIOUR(env(), Get("S", "k") == "dflt", "Wine reads a file with a UTF-8 mark as UTF-8");
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
