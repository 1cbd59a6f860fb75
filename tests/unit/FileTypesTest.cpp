#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "checks/FileTypes.h"
#include "platform/emulated/ImageBuilder.h"
#include "resources/StringIds.h"
#include "resources/resource.h"
#include "tests/support/PeBuilder.h"

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
      {"a.dll", IDS_TYPE_APPLICATION_EXTENSION, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.ocx", IDS_TYPE_ACTIVEX, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.386", IDS_TYPE_VIRTUAL_DEVICE_DRIVER, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.avi", IDS_TYPE_VIDEO_CLIP, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.bat", IDS_TYPE_BATCH_FILE, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.bmp", IDS_TYPE_BITMAP, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.cpl", IDS_TYPE_CONTROL_PANEL_EXTENSION, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.doc", IDS_TYPE_WORDPAD_DOCUMENT, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.drv", IDS_TYPE_DEVICE_DRIVER, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.fon", IDS_TYPE_FONT_FILE, IconKind::Font, IDI_FILE_FONT},
      {"a.hlp", IDS_TYPE_HELP_FILE, IconKind::Help, IDI_FILE_HELP},
      {"a.ini", IDS_TYPE_CONFIGURATION_SETTINGS, IconKind::Settings, IDI_FILE_SETTINGS},
      {"a.inf", IDS_TYPE_SETUP_INFORMATION, IconKind::Settings, IDI_FILE_SETTINGS},
      {"a.mov", IDS_TYPE_QUICKTIME_MOVIE, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.qtc", IDS_TYPE_QUICKTIME_COMPONENT, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.reg", IDS_TYPE_REGISTRATION_FILE, IconKind::Registration, IDI_FILE_REGISTRATION},
      {"a.ttf", IDS_TYPE_TRUETYPE_FONT, IconKind::Font, IDI_FILE_FONT},
      {"a.vbx", IDS_TYPE_VB_CONTROL, IconKind::ProgramExtension, IDI_FILE_EXTENSION},
      {"a.wav", IDS_TYPE_SOUND_FILE, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.wri", IDS_TYPE_WRITE_DOCUMENT, IconKind::Generic, IDI_FILE_GENERIC},
      {"a.zip", IDS_TYPE_ZIP_FILE, IconKind::Archive, IDI_FILE_ARCHIVE},
      // Files that do not exist: the program icon stands in for their own.
      {"a.exe", IDS_TYPE_APPLICATION, IconKind::OwnIcon, IDI_FILE_PROGRAM},
      {"a.ico", IDS_TYPE_ICON_FILE, IconKind::OwnIcon, IDI_FILE_PROGRAM},
      {"a.scr", IDS_TYPE_SCREEN_SAVER, IconKind::OwnIcon, IDI_FILE_PROGRAM},
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
