// How Windows paths resolve before they reach the drives of an image.
#include "platform/emulated/WinPath.h"

#include <gtest/gtest.h>

namespace cvn::emulated {
namespace {

TEST(WinPathTest, ResolvesAsGetFullPathName) {
  const WinPath current{'C', {"APP", "Sub"}};
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\WINDOWS\\WIN.INI", "C:\\WINDOWS\\WIN.INI"},
      {"c:/x/./y", "c:\\x\\y"},                  // the drive letter keeps its case
      {"file.txt", "C:\\APP\\Sub\\file.txt"},
      {"..\\..\\..\\b", "C:\\b"},                // never above the root
      {"\\TEMP", "C:\\TEMP"},
      {"C:name", "C:\\APP\\Sub\\name"},          // the current folder of the current drive
      {"D:name", "D:\\name"},                    // other drives start at their root
      {"C:\\dir.\\file.", "C:\\dir\\file"},      // trailing dots go
      {"C:\\a\\\\b\\", "C:\\a\\b"},
      {"C:\\", "C:\\"},
      {"C:", "C:\\APP\\Sub"},
  };
  for (const auto& [path, expected] : cases) {
    const auto resolved = ResolvePath(path, current);
    ASSERT_TRUE(resolved) << path;
    EXPECT_EQ(resolved->Text(), expected) << path;
  }
  EXPECT_FALSE(ResolvePath("\\\\server\\share\\x", current));
  EXPECT_FALSE(ResolvePath("", current));
}

TEST(WinPathTest, KeysIgnoreCase) {
  const auto a = ResolvePath("c:\\Program Files\\x", WinPath{});
  const auto b = ResolvePath("C:\\PROGRAM FILES\\X", WinPath{});
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Key(), b->Key());
  EXPECT_TRUE(a->SameDrive(*b));
  EXPECT_EQ(a->Parent().Text(), "c:\\Program Files");
  EXPECT_EQ(a->Leaf(), "x");
}

TEST(WinPathTest, FileNames) {
  for (const char* name : {"a.txt", "Program Files", "x~1", "{a}"}) EXPECT_TRUE(IsValidFileName(name)) << name;
  for (const char* name : {"", "a?b", "a*", "a:b", "a|b", "a\"b", "a<b", "a>b", "a\tb"}) {
    EXPECT_FALSE(IsValidFileName(name)) << name;
  }
}

}  // namespace
}  // namespace cvn::emulated
