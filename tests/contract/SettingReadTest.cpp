// What the INI and Registry checks rely on when they read a live value:
// the profile call's 260-character buffer and the value found in either
// file, the short form of a path with and without arguments, and Registry
// strings of any length without a terminating zero. (RegistryTest covers
// the types and the missing keys and values.)
#include <algorithm>
#include <cctype>
#include <string>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

using platform::RegKey;
using platform::RegValue;
namespace regtype = platform::regtype;
namespace regerr = platform::regerr;

constexpr size_t kIniBuffer = 260;  // the checks read INI values into this many characters

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

class SettingReadTest : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    dir = env().ScratchFolder();
  }
  void TearDown() override {
    if (key) machine().Reg().CloseKey(key);
    ContractTest::TearDown();
  }

  std::string IniValue(const std::string& file, const std::string& keyName) {
    return machine().Ini().GetString("Settings", keyName, "", file, kIniBuffer);
  }

  // A key of this test under HKEY_CURRENT_USER, created on first use.
  RegKey Key() {
    if (key == 0) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      const std::string path = std::string("Software\\CorvaneSettingRead\\") + info->name();
      EXPECT_EQ(machine().Reg().CreateKey(platform::hkey::kCurrentUser, path, key),
                regerr::kSuccess);
    }
    return key;
  }

  std::string dir;
  RegKey key = 0;
};

TEST_F(SettingReadTest, IniValuesAreCutToTheBuffer) {
  const std::string ini = Join(dir, "long.ini");
  const std::string fits(kIniBuffer - 1, 'f');
  const std::string exact(kIniBuffer, 'e');
  const std::string longer(700, 'l');
  WriteText(machine().Files(), ini,
            "[Settings]\r\nFits=" + fits + "\r\nExact=" + exact + "\r\nLonger=" + longer + "\r\n");
  EXPECT_EQ(IniValue(ini, "Fits"), fits);
  EXPECT_EQ(IniValue(ini, "Exact"), exact.substr(0, kIniBuffer - 1));
  EXPECT_EQ(IniValue(ini, "Longer"), longer.substr(0, kIniBuffer - 1));
}

TEST_F(SettingReadTest, MissingAndBlankIniValuesAreBothEmpty) {
  const std::string ini = Join(dir, "blank.ini");
  WriteText(machine().Files(), ini, "[Settings]\r\nBlank=\r\nSpaces=   \r\n");
  EXPECT_EQ(IniValue(ini, "Blank"), "");
  EXPECT_EQ(IniValue(ini, "Spaces"), "");
  EXPECT_EQ(IniValue(ini, "Missing"), "");
  EXPECT_EQ(IniValue(Join(dir, "nofile.ini"), "Missing"), "");
}

TEST_F(SettingReadTest, ABareIniNameIsNotTheFileInAnotherFolder) {
  // The checks read the bare name (the Windows folder) and then the
  // application folder's file of the same name: the two are different files.
  const std::string name = "cvnsetrd.ini";
  WriteText(machine().Files(), Join(dir, name), "[Settings]\r\nOnlyHere=app\r\n");
  EXPECT_EQ(IniValue(name, "OnlyHere"), "");
  EXPECT_EQ(IniValue(Join(dir, name), "OnlyHere"), "app");
}

TEST_F(SettingReadTest, TheLongAndTheShortFormOfAPathShortenAlike) {
  platform::FileSystem& files = machine().Files();
  ASSERT_TRUE(files.CreateDirectory(Join(dir, "Program Files")));
  ASSERT_TRUE(files.CreateDirectory(Join(dir, "Program Files\\Application")));
  const std::string program = Join(dir, "Program Files\\Application\\app.exe");
  WriteText(files, program, "MZ");
  const std::string shortForm = files.ShortPathName(program);
  ASSERT_FALSE(shortForm.empty());
  EXPECT_EQ(shortForm.find(' '), std::string::npos) << shortForm;
  EXPECT_EQ(Lower(files.ShortPathName(shortForm)), Lower(shortForm));
  EXPECT_EQ(Lower(files.ShortPathName(Lower(program))), Lower(shortForm));
}

TEST_F(SettingReadTest, APathCutAtABlankOrFollowedByArgumentsHasNoShortForm) {
  platform::FileSystem& files = machine().Files();
  ASSERT_TRUE(files.CreateDirectory(Join(dir, "Program Files")));
  WriteText(files, Join(dir, "Program Files\\app.exe"), "MZ");
  EXPECT_EQ(files.ShortPathName(Join(dir, "Program")), "");
  EXPECT_EQ(files.ShortPathName(Join(dir, "Program Files\\app.exe /s")), "");
  EXPECT_EQ(files.ShortPathName(Join(dir, "Program Files\\app.exe,1")), "");
}

// A string stored without its terminating zero may come back with one
// (Wine adds it); the checks take a string up to its first zero, which
// gives the stored text either way, at any length.
TEST_F(SettingReadTest, StringsWithoutTerminatingZeroKeepTheirText) {
  for (const std::string& text : {std::string("abc"), std::string("xy"), std::string(2001, 's')}) {
    ASSERT_EQ(machine().Reg().SetValue(Key(), "Bare", regtype::kString, ToBytes(text)),
              regerr::kSuccess);
    RegValue read;
    ASSERT_EQ(machine().Reg().QueryValue(Key(), "Bare", read), regerr::kSuccess);
    EXPECT_EQ(read.type, regtype::kString);
    const std::string back = ToText(read.data);
    EXPECT_EQ(back.substr(0, back.find('\0')), text) << text.size();
  }
}

}  // namespace
}  // namespace cvn::test
