#include "checks/FileTypes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/PeBuilder.h"
#include "platform/emulated/ImageBuilder.h"
#include "resources/resource.h"

namespace cvn {
namespace {

using emulated::EmulatedMachine;
using emulated::ImageBuilder;

constexpr uint16_t kGroupIconType = 14;  // RT_GROUP_ICON

platform::Bytes ExeWithIcon() {
  return test::PeBuilder().Resource({kGroupIconType, 1, 0x409, test::IconGroup(1)}).Build();
}

class FileTypesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    image_.File("C:\\APP\\VIEWER.EXE", ExeWithIcon());
    image_.File("C:\\APP\\SETUP.EXE", test::PeBuilder().Build());
    machine_ = image_.Open();
    ASSERT_TRUE(machine_) << image_.Error();
  }

  std::string Text(int id) { return machine_->Texts().Load(id); }
  platform::IconHandle Icon(int id) { return machine_->Desktop().LoadIcon(id); }

  ImageBuilder image_;
  std::unique_ptr<EmulatedMachine> machine_;
};

TEST_F(FileTypesTest, EveryKnownExtension) {
  struct Case {
    const char* name;
    int descriptionId;
    IconKind kind;
    int iconId;
  };
  const Case cases[] = {
      {"a.dll", 10191, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.ocx", 10192, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.386", 10193, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.avi", 10194, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.bat", 10195, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.bmp", 10196, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.cpl", 10197, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.doc", 10198, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.drv", 10199, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.fon", 10200, IconKind::Font, IDI_FILE_FONT},
      {"a.hlp", 10201, IconKind::Help, IDI_FILE_HELP},
      {"a.ini", 10203, IconKind::Settings, IDI_FILE_SETTINGS},
      {"a.inf", 10204, IconKind::Settings, IDI_FILE_SETTINGS},
      {"a.mov", 10205, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.qtc", 10206, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.reg", 10207, IconKind::Registration, IDI_FILE_REGISTRATION},
      {"a.ttf", 10209, IconKind::Font, IDI_FILE_FONT},
      {"a.vbx", 10210, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.wav", 10211, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.wri", 10212, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.zip", 10213, IconKind::Archive, IDI_FILE_ARCHIVE},
      // Files that do not exist: the program icon stands in for their own.
      {"a.exe", 10190, IconKind::OwnIcon, IDI_FILE_PROGRAM},
      {"a.ico", 10202, IconKind::OwnIcon, IDI_FILE_PROGRAM},
      {"a.scr", 10208, IconKind::OwnIcon, IDI_FILE_PROGRAM},
  };
  for (const Case& c : cases) {
    const std::optional<FileType> type = DescribeFile(*machine_, std::string("C:\\APP\\") + c.name);
    ASSERT_TRUE(type.has_value()) << c.name;
    EXPECT_EQ(type->description, Text(c.descriptionId)) << c.name;
    EXPECT_FALSE(type->description.empty()) << c.name;
    EXPECT_EQ(type->iconKind, c.kind) << c.name;
    EXPECT_EQ(type->icon, Icon(c.iconId)) << c.name;
    EXPECT_NE(type->icon, 0u) << c.name << ": the program has no icon " << c.iconId;
  }
}

TEST_F(FileTypesTest, ExtensionsCompareWithoutCase) {
  const std::optional<FileType> type = DescribeFile(*machine_, "C:\\APP\\DRIVER.386");
  ASSERT_TRUE(type.has_value());
  EXPECT_EQ(type->description, "Virtual Device Driver");
  EXPECT_EQ(type->icon, Icon(IDI_FILE_EXTENSION));

  const std::optional<FileType> upper = DescribeFile(*machine_, "C:\\APP\\README.HlP");
  ASSERT_TRUE(upper.has_value());
  EXPECT_EQ(upper->description, "Help File");
}

TEST_F(FileTypesTest, ProgramShowsItsOwnIconOrTheProgramIcon) {
  const std::optional<FileType> withIcon = DescribeFile(*machine_, "C:\\APP\\VIEWER.EXE");
  ASSERT_TRUE(withIcon.has_value());
  EXPECT_EQ(withIcon->description, "Application");
  EXPECT_EQ(withIcon->icon, machine_->Desktop().ExtractIcon("C:\\APP\\VIEWER.EXE", 0));
  EXPECT_NE(withIcon->icon, 0u);
  EXPECT_NE(withIcon->icon, Icon(IDI_FILE_PROGRAM));

  const std::optional<FileType> without = DescribeFile(*machine_, "C:\\APP\\SETUP.EXE");
  ASSERT_TRUE(without.has_value());
  EXPECT_EQ(without->iconKind, IconKind::OwnIcon);
  EXPECT_EQ(without->icon, Icon(IDI_FILE_PROGRAM));
}

TEST_F(FileTypesTest, UnknownExtensionIsNamedAsWritten) {
  struct Case {
    const char* path;
    const char* description;
  };
  const Case cases[] = {
      {"C:\\APP\\notes.xyz", "xyz File"},
      {"C:\\APP\\NOTES.XyZ", "XyZ File"},
      {"C:\\APP\\backup.zip.old", "old File"},  // the last dot decides
      {"C:\\APP\\data.exe1", "exe1 File"},      // no prefix match
      {"C:\\APP\\trailing.", " File"},
  };
  for (const Case& c : cases) {
    const std::optional<FileType> type = DescribeFile(*machine_, c.path);
    ASSERT_TRUE(type.has_value()) << c.path;
    EXPECT_EQ(type->description, c.description) << c.path;
    EXPECT_EQ(type->iconKind, IconKind::Generic) << c.path;
    EXPECT_EQ(type->icon, Icon(IDI_FILE_GENERIC)) << c.path;
  }
}

TEST_F(FileTypesTest, NameWithoutDotHasNoType) {
  for (const char* path : {"C:\\APP\\README", "C:\\MY.APP\\README", "README", "", "C:\\APP.D/README"}) {
    EXPECT_FALSE(DescribeFile(*machine_, path).has_value()) << path;
  }
}

}  // namespace
}  // namespace cvn
