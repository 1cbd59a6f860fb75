#include "util/text/WindowsPath.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

struct PathCase {
  const char* path;
  const char* folder;
  const char* name;
};

// The edge cases where the callers' own helpers once disagreed: a drive
// root, no separator, forward slashes, a drive-relative name.
TEST(WindowsPathTest, SplitsIntoFolderAndName) {
  const PathCase cases[] = {
      {"C:\\x", "C:\\", "x"},         {"C:\\a\\b.dll", "C:\\a", "b.dll"}, {"b.dll", "", "b.dll"},
      {"a/b", "a", "b"},              {"C:x", "", "x"},                   {"\\\\srv\\share\\f", "\\\\srv\\share", "f"},
      {"C:\\a\\", "C:\\a", ""},
  };
  for (const PathCase& each : cases) {
    SCOPED_TRACE(each.path);
    EXPECT_EQ(FolderOf(each.path), each.folder);
    EXPECT_EQ(FileNameOf(each.path), each.name);
  }
}

TEST(WindowsPathTest, JoinsWithOneBackslash) {
  EXPECT_EQ(JoinPath("C:\\a", "b"), "C:\\a\\b");
  EXPECT_EQ(JoinPath("C:\\", "b"), "C:\\b");
  EXPECT_EQ(JoinPath("C:/a/", "b"), "C:/a/b");
  EXPECT_EQ(JoinPath("", "b"), "b");
  EXPECT_EQ(JoinPath(FolderOf("C:\\x"), "y"), "C:\\y");
}

}  // namespace
}  // namespace cvn
