// The INI and Registry location syntax of settings and folder indirections.
#include "config/SettingLocation.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TEST(ConfigSettingLocationTest, IniLocations) {
  const struct {
    const char* text;
    bool valid;
    const char* file;
    const char* section;
    const char* key;
  } cases[] = {
      {"win\\windows\\load", true, "win.ini", "windows", "load"},
      {"app\\a\\b\\key", true, "app.ini", "a\\b", "key"},
      {"app\\key", true, "app.ini", "", "key"},
      {"app\\", true, "app.ini", "", ""},
      {"nobackslash", false, "", "", ""},
  };
  for (const auto& c : cases) {
    const auto location = ParseIniLocation(c.text);
    ASSERT_EQ(location.has_value(), c.valid) << c.text;
    if (!location) continue;
    EXPECT_EQ(location->file, c.file);
    EXPECT_EQ(location->section, c.section);
    EXPECT_EQ(location->key, c.key);
  }
}

TEST(ConfigSettingLocationTest, RegistryLocations) {
  const struct {
    const char* text;
    bool valid;
    platform::RegKey root;
    const char* subKey;
    const char* valueName;
  } cases[] = {
      {"HKEY_CURRENT_USER\\Software\\Vendor\\Name", true, platform::hkey::kCurrentUser,
       "Software\\Vendor", "Name"},
      {"HKEY_LOCAL_MACHINE\\Software\\(Default)", true, platform::hkey::kLocalMachine, "Software",
       ""},
      {"HKEY_CLASSES_ROOT\\.cdb\\(default)x", true, platform::hkey::kClassesRoot, ".cdb", "x"},
      {"HKEY_USERS\\Name", true, platform::hkey::kUsers, "", "Name"},
      {"HKEY_CURRENT_CONFIG\\A\\B", true, platform::hkey::kCurrentConfig, "A", "B"},
      {"hkey_current_user\\Software\\Name", false, 0, "", ""},
      {"HKCU\\Software\\Name", false, 0, "", ""},
      {"HKEY_CURRENT_USER", false, 0, "", ""},
  };
  for (const auto& c : cases) {
    const auto location = ParseRegistryLocation(c.text);
    ASSERT_EQ(location.has_value(), c.valid) << c.text;
    if (!location) continue;
    EXPECT_EQ(location->root, c.root);
    EXPECT_EQ(location->subKey, c.subKey);
    EXPECT_EQ(location->valueName, c.valueName);
  }
}

}  // namespace
}  // namespace cvn
