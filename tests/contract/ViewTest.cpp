// The two halves of 64-bit Windows: what the 32-bit Registry view keeps
// apart from the 64-bit one and what both share, and the System folder of
// each. On 32-bit Windows both views are one.
#include <cctype>
#include <string>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

using platform::RegKey;
using platform::View;
namespace hkey = platform::hkey;
namespace regerr = platform::regerr;

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_ = MakeContractEnvironment(WindowsWanted::Windows64);
    name_ = std::string("CorvaneContract") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }

  platform::Machine& machine() { return env_->Machine(); }
  platform::Registry& reg() { return machine().Reg(); }
  bool TwoViews() { return machine().System().WindowsBits() == 64; }

  // Sets the default value of `root\path` in `view` to `text`.
  void Write(View view, RegKey root, const std::string& path, const std::string& text) {
    reg().SelectView(view);
    ASSERT_EQ(reg().SetDefaultValue(root, path, text), regerr::kSuccess) << path;
  }

  // The default value of `root\path` in `view`; "(none)" without the key.
  std::string Read(View view, RegKey root, const std::string& path) {
    reg().SelectView(view);
    RegKey key = 0;
    if (reg().OpenKey(root, path, platform::Registry::Access::Read, key) != regerr::kSuccess) return "(none)";
    platform::RegValue value;
    const int32_t result = reg().QueryValue(key, "", value);
    reg().CloseKey(key);
    if (result != regerr::kSuccess) return "(no value)";
    std::string text(value.data.begin(), value.data.end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }

  std::unique_ptr<ContractEnvironment> env_;
  std::string name_;
};

struct ViewCase {
  const char* what;
  RegKey root;
  std::string path;        // written in the 32-bit view
  std::string seenAs64;    // where the 64-bit view finds it on 64-bit Windows
  bool shared;             // the 64-bit view also finds it under `path`
};

TEST_F(ViewTest, The32BitViewKeepsSoftwareAndClassIdentifiersApart) {
  const std::string clsid = "{C0A7A1E0-0000-4000-8000-000000000022}";
  const ViewCase cases[] = {
      {"machine software", hkey::kLocalMachine, "Software\\" + name_, "Software\\Wow6432Node\\" + name_, false},
      {"class identifier", hkey::kClassesRoot, "CLSID\\" + clsid + "\\InprocServer32",
       "Wow6432Node\\CLSID\\" + clsid + "\\InprocServer32", false},
      {"interface", hkey::kClassesRoot, "Interface\\" + clsid, "Wow6432Node\\Interface\\" + clsid, false},
      {"type library", hkey::kClassesRoot, "TypeLib\\" + clsid + "\\1.0", "TypeLib\\" + clsid + "\\1.0", true},
      {"user software", hkey::kCurrentUser, "Software\\" + name_, "Software\\" + name_, true},
  };
  for (const ViewCase& c : cases) {
    SCOPED_TRACE(c.what);
    Write(View::Bits32, c.root, c.path, "thirty-two");
    EXPECT_EQ(Read(View::Bits32, c.root, c.path), "thirty-two");
    if (!TwoViews()) {
      EXPECT_EQ(Read(View::Bits64, c.root, c.path), "thirty-two");
      continue;
    }
    EXPECT_EQ(Read(View::Bits64, c.root, c.seenAs64), "thirty-two");
    EXPECT_EQ(Read(View::Bits64, c.root, c.path), c.shared ? "thirty-two" : "(none)");
    // A key of the 64-bit view, written after, is what the 32-bit view sees
    // only where the two share it.
    Write(View::Bits64, c.root, c.path, "sixty-four");
    EXPECT_EQ(Read(View::Bits32, c.root, c.path), c.shared ? "sixty-four" : "thirty-two");
  }
}

// Windows 7 and later share the program identifiers and file types of the
// classes between the views; Wine 8 keeps them apart with the class
// identifiers.
TEST_F(ViewTest, ProgramIdentifiersAreShared) {
  const std::string path = name_ + ".Thing\\CLSID";
  Write(View::Bits32, hkey::kClassesRoot, path, "thirty-two");
  if (!TwoViews()) {
    EXPECT_EQ(Read(View::Bits64, hkey::kClassesRoot, path), "thirty-two");
    return;
  }
  EXPECT_WINDOWS_BEHAVIOUR(*env_, Read(View::Bits64, hkey::kClassesRoot, path) == "thirty-two",
                           "Wine keeps the classes' program identifiers apart in the 32-bit view");
}

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

TEST_F(ViewTest, EachViewHasItsOwnSystemFolder) {
  platform::FileSystem& files = machine().Files();
  files.SelectSystemView(View::Bits32);
  const std::string folder32 = files.SystemDirectory();
  files.SelectSystemView(View::Bits64);
  const std::string folder64 = files.SystemDirectory();
  files.SelectSystemView(View::Native);
  const std::string native = files.SystemDirectory();
  if (!TwoViews()) {
    EXPECT_EQ(folder32, native);
    EXPECT_EQ(folder64, native);
    return;
  }
  EXPECT_TRUE(SameText(folder32, files.WindowsDirectory() + "\\SysWOW64")) << folder32;
  EXPECT_FALSE(SameText(folder32, folder64)) << folder64;
  // A file put into the 32-bit System folder is not in the 64-bit one.
  const std::string file = "\\CvnView.tmp";
  ASSERT_TRUE(files.WriteFile(folder32 + file, ToBytes("x")));
  EXPECT_NE(files.GetAttributes(folder32 + file), platform::attr::kInvalid);
  EXPECT_EQ(files.GetAttributes(folder64 + file), platform::attr::kInvalid);
  EXPECT_TRUE(files.DeleteFile(folder32 + file));
}

}  // namespace
}  // namespace cvn::test
