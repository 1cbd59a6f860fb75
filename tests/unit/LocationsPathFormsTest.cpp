// The path forms every message uses, and the test for location notation.
#include <gtest/gtest.h>

#include "config/PathSpec.h"
#include "config/TextCase.h"
#include "platform/emulated/EmulatedStrings.h"

namespace cvn {
namespace {

TEST(LocationsPathFormsTest, DisplayForm) {
  const struct {
    const char* path;
    const char* shown;
  } cases[] = {
      {"C:\\Dir\\", "c:\\dir"},     {"C:\\", "c:\\"},         {"C:\\Dir\\App.EXE", "c:\\dir\\app.exe"},
      {"ab\\", "ab\\"},             {"abc\\", "abc"},         {"", ""},
      {"\\", "\\"},                 {"C:\\A\\\\", "c:\\a\\"}, {"\xC9T\xC9", "\xE9t\xE9"},
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayForm(c.path), c.shown) << c.path;
}

TEST(LocationsPathFormsTest, DirectoryForm) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"C:\\Dir\\App.exe", "c:\\dir"}, {"C:\\x", "c:\\"}, {"C:\\Dir\\", "c:\\dir"},
      {"app.exe", ""},                 {"\\x", "\\"},     {"ab\\c\\d", "ab\\c"},
  };
  for (const auto& c : cases) EXPECT_EQ(DirectoryForm(c.path), c.folder) << c.path;
}

TEST(LocationsPathFormsTest, LooksLikePath) {
  for (const char* text : {"C:", "c:\\x", "W|win.ini", "1|", "0:\\setup", "Z|x"}) {
    EXPECT_TRUE(LooksLikePath(text)) << text;
  }
  for (const char* text : {"", "C", ":\\x", "?|x", "-|x", "ab", "\"C:\\x\"", " C:"}) {
    EXPECT_FALSE(LooksLikePath(text)) << text;
  }
}

TEST(LocationsPathFormsTest, CaseFoldingOfTheAnsiCodePage) {
  EXPECT_EQ(ToLower("ABC xyz \x8A\x8C\x8E\x9F\xC0\xD6\xD7\xD8\xDE\xDF"),
            "abc xyz \x9A\x9C\x9E\xFF\xE0\xF6\xD7\xF8\xFE\xDF");
  EXPECT_EQ(ToUpperChar('\xFF'), '\x9F');
  EXPECT_EQ(ToUpperChar('\xF7'), '\xF7');  // the division sign has no case
  EXPECT_TRUE(EqualsNoCase("Directory Info", "DIRECTORY info"));
  EXPECT_FALSE(EqualsNoCase("Directory Info", "Directory Inf"));
}

// Code page 932 as the platform gives it: lead bytes 0x81-0x9F and
// 0xE0-0xFC, letters A-Z only. The trail byte 0x41 of the double-byte
// character 0x83 0x41 is no 'A', and the single-byte katakana stay.
TEST(LocationsPathFormsTest, ADoubleByteCodePageKeepsItsTrailBytes) {
  platform::CaseRules rules;
  for (size_t byte = 0; byte < 256; ++byte) {
    const bool upper = byte >= 'A' && byte <= 'Z';
    const bool lower = byte >= 'a' && byte <= 'z';
    rules.lower[byte] = static_cast<unsigned char>(upper ? byte + 0x20 : byte);
    rules.upper[byte] = static_cast<unsigned char>(lower ? byte - 0x20 : byte);
    rules.leadByte[byte] = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  }
  UseCaseRules(rules);
  EXPECT_EQ(DisplayForm("C:\\\x83\x41" "PP\\\xC0" "X\\"), "c:\\\x83\x41" "pp\\\xC0" "x");
  EXPECT_EQ(ToUpper("\x83\x61" "a\xE0"), "\x83\x61" "A\xE0");
  EXPECT_TRUE(EqualsNoCase("\x83\x41" "Bc", "\x83\x41" "bC"));
  EXPECT_FALSE(EqualsNoCase("\x83\x41", "\x83\x61"));
  EXPECT_FALSE(EqualsNoCase("\x83\x41", "\x84\x41"));
  UseCaseRules(emulated::EmulatedStrings().LetterCase());
  EXPECT_EQ(ToLower("\x83\x41"), "\x83\x61") << "back to Windows-1252";
}

}  // namespace
}  // namespace cvn
