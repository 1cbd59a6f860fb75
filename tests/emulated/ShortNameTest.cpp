// 8.3 names: which names need one, how they are made, and how the machine
// numbers names that collide.
#include "platform/emulated/ShortName.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/emulated/ImageBuilder.h"

namespace cvn::emulated {
namespace {

TEST(ShortNameTest, WhichNamesAreShortAlready) {
  const std::pair<const char*, bool> cases[] = {
      {"WIN.INI", true},       {"readme.txt", true},    {"A", true},          {"12345678.123", true},
      {"ABC~1", true},         {"{X}.$$$", true},       {"123456789", false}, {"A.1234", false},
      {"A.B.C", false},        {"Program Files", false}, {"A+B.TXT", false},  {".profile", false},
      {"A.", false},           {"", false},
  };
  for (const auto& [name, isShort] : cases) EXPECT_EQ(IsShortName(name), isShort) << name;
}

TEST(ShortNameTest, MakesNamesAsWindowsDoes) {
  const std::pair<const char*, const char*> cases[] = {
      {"Program Files", "PROGRA~1"},       {"Microsoft Office.lnk", "MICROS~1.LNK"},
      {"a.cdbx", "A~1.CDB"},               {"My.Long.File.Name.html", "MYLONG~1.HTM"},
      {"a+b,c;d=e[f]g.txt", "A_B_C_~1.TXT"}, {".profile", "PROFIL~1"},
      {"x y", "XY~1"},                     {"...", "_~1"},
  };
  const auto none = [](const std::string&) { return false; };
  for (const auto& [name, expected] : cases) EXPECT_EQ(MakeShortName(name, none), expected) << name;
}

TEST(ShortNameTest, CollisionsCountUpAndShortenTheBase) {
  std::set<std::string> taken;
  const auto isTaken = [&](const std::string& s) { return taken.count(s) > 0; };
  std::vector<std::string> made;
  for (int i = 0; i < 12; ++i) {
    made.push_back(MakeShortName("Program Files", isTaken));
    taken.insert(made.back());
  }
  EXPECT_EQ(made[0], "PROGRA~1");
  EXPECT_EQ(made[1], "PROGRA~2");
  EXPECT_EQ(made[8], "PROGRA~9");
  EXPECT_EQ(made[9], "PROGR~10");
  EXPECT_EQ(made[11], "PROGR~12");
}

TEST(ShortNameTest, MachineNumbersNamesInTheOrderTheyAreMade) {
  ImageBuilder img;
  auto machine = img.Open();
  ASSERT_TRUE(machine);
  auto& files = machine->Files();
  // Made in reverse alphabetical order, as a later setup would.
  ASSERT_TRUE(files.CreateDirectory("C:\\Program Stuff"));
  ASSERT_TRUE(files.CreateDirectory("C:\\Program Files"));
  ASSERT_TRUE(files.WriteFile("C:\\Program Data.txt", {}));
  EXPECT_EQ(files.ShortPathName("C:\\Program Stuff"), "C:\\PROGRA~1");
  EXPECT_EQ(files.ShortPathName("C:\\Program Files"), "C:\\PROGRA~2");
  EXPECT_EQ(files.ShortPathName("C:\\Program Data.txt"), "C:\\PROGRA~1.TXT");
  // A deleted name is free again; the others keep theirs.
  ASSERT_TRUE(files.RemoveDirectory("C:\\Program Stuff"));
  ASSERT_TRUE(files.CreateDirectory("C:\\Program Cache"));
  EXPECT_EQ(files.ShortPathName("C:\\Program Cache"), "C:\\PROGRA~1");
  EXPECT_EQ(files.ShortPathName("C:\\Program Files"), "C:\\PROGRA~2");
  // A rename gives the entry a new short name.
  ASSERT_TRUE(files.MoveFile("C:\\Program Files", "C:\\Programs Old", 0));
  EXPECT_EQ(files.ShortPathName("C:\\Programs Old"), "C:\\PROGRA~2");
  auto again = img.Open();
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Files().ShortPathName("c:\\program cache"), "c:\\PROGRA~1");
}

TEST(ShortNameTest, ImageEntriesAreNumberedInListingOrder) {
  ImageBuilder img;
  img.File("C:\\Long Folder Two\\x.txt", "").File("C:\\Long Folder One\\x.txt", "").File("C:\\LONGFO~1", "");
  auto machine = img.Open();
  ASSERT_TRUE(machine);
  auto& files = machine->Files();
  // LONGFO~1 is taken by a file of that very name.
  EXPECT_EQ(files.ShortPathName("C:\\Long Folder One\\x.txt"), "C:\\LONGFO~2\\x.txt");
  EXPECT_EQ(files.ShortPathName("C:\\Long Folder Two"), "C:\\LONGFO~3");
  // A new entry never takes a name an older one already shows.
  ASSERT_TRUE(files.CreateDirectory("C:\\Long Folder Alpha"));
  EXPECT_EQ(files.ShortPathName("C:\\Long Folder Alpha"), "C:\\LONGFO~4");
  EXPECT_EQ(files.ShortPathName("C:\\Long Folder One"), "C:\\LONGFO~2");
}

}  // namespace
}  // namespace cvn::emulated
