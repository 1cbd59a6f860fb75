// Sections and the lookup of items by name.
#include "config/ConfigSection.h"

#include <gtest/gtest.h>

#include "config/ConfigDatabase.h"

namespace cvn {
namespace {

void AddText(ConfigSection& section, const char* key, const char* value) {
  auto item = std::make_unique<TextItem>(key);
  item->value = value;
  section.Append(std::move(item));
}

TEST(ConfigSectionTest, FindItemKeepsTheFirstMatch) {
  ConfigSection section("App Info", SectionType::Text, 1);
  AddText(section, "Foo", "first");
  AddText(section, "FOO", "second");
  AddText(section, "foo", "third");
  AddText(section, "Foo", "fourth");

  const auto value = [&](const char* name, CaseSensitivity sensitivity) -> std::string {
    const auto* item = section.FindItemAs<TextItem>(name, sensitivity);
    return item != nullptr ? item->value : "(none)";
  };
  EXPECT_EQ(value("fOO", CaseSensitivity::Insensitive), "first");
  EXPECT_EQ(value("Foo", CaseSensitivity::Sensitive), "first");
  EXPECT_EQ(value("FOO", CaseSensitivity::Sensitive), "second");
  EXPECT_EQ(value("foo", CaseSensitivity::Sensitive), "third");
  EXPECT_EQ(value("fOO", CaseSensitivity::Sensitive), "(none)");
  EXPECT_EQ(value("Fo", CaseSensitivity::Insensitive), "(none)");
  EXPECT_EQ(section.Count(), 4u);
}

TEST(ConfigSectionTest, FindValueReadsTextAndDirectoryItems) {
  ConfigSection section("Directory Info", SectionType::Directory, 1);
  auto entry = std::make_unique<DirectoryItem>("Q");
  entry->value = "c:\\q";
  section.Append(std::move(entry));
  ASSERT_NE(FindValue(&section, "q"), nullptr);
  EXPECT_EQ(*FindValue(&section, "q"), "c:\\q");
  EXPECT_EQ(FindValue(&section, "R"), nullptr);
  EXPECT_EQ(FindValue(nullptr, "Q"), nullptr);
}

TEST(ConfigSectionTest, StandardSectionsInOrderWithTheirIds) {
  const ConfigDatabase database;
  const auto& sections = database.Sections();
  ASSERT_EQ(sections.size(), 16u);
  EXPECT_EQ(sections.front()->Name(), "App Info");
  EXPECT_EQ(sections[7]->Name(), "Program Info");
  EXPECT_EQ(sections.back()->Name(), "Type Library Info");

  const struct {
    SectionId id;
    const char* name;
    SectionType type;
    int lines;
  } cases[] = {
      {SectionId::ProgramInfo, "Program Info", SectionType::File, 1},
      {SectionId::ControlInfo, "Active X/OCX/VBX Info", SectionType::File, 1},
      {SectionId::IniInfo, "INI Info", SectionType::IniSetting, 2},
      {SectionId::RegistryInfo, "Registry Info", SectionType::RegistrySetting, 2},
      {SectionId::ControlRegistryInfo, "Active X/OCX Registry Info",
       SectionType::ControlRegistration, 2},
      {SectionId::OleServerInfo, "OLE Server Info", SectionType::OleServer, 2},
      {SectionId::TypeLibraryInfo, "Type Library Info", SectionType::TypeLibrary, 2},
      {SectionId::AppInfo, "App Info", SectionType::Text, 1},
      {SectionId::DirectoryInfo, "Directory Info", SectionType::Directory, 1},
      {SectionId::CvnInfo, "Corvane Info", SectionType::Text, 1},
      {SectionId::MinimumRequirementsInfo, "Minimum Requirements Info", SectionType::Text, 1},
  };
  for (const auto& c : cases) {
    const ConfigSection* section = database.GetSection(c.id);
    ASSERT_NE(section, nullptr) << c.name;
    EXPECT_EQ(section->Name(), c.name);
    EXPECT_EQ(section->Type(), c.type) << c.name;
    EXPECT_EQ(section->LinesPerEntry(), c.lines) << c.name;
  }
  // The recent-changes list has no section.
  EXPECT_EQ(database.GetSection(SectionId::RecentChanges), nullptr);
  EXPECT_EQ(database.FindSection("dll info"), database.GetSection(SectionId::DllInfo));
  EXPECT_EQ(database.FindSection("Nothing"), nullptr);
}

TEST(ConfigSectionTest, FileInfoIsFoundByNameWithoutRegardToCase) {
  ConfigDatabase database;
  database.AddFileInfo({"APP.EXE", 100, {}});
  database.AddFileInfo({"app.exe", 200, {}});
  ASSERT_NE(database.FindFileInfo("App.Exe"), nullptr);
  EXPECT_EQ(database.FindFileInfo("App.Exe")->size, 100u);
  EXPECT_EQ(database.FindFileInfo("other.dll"), nullptr);
  EXPECT_EQ(database.FileInfo().size(), 2u);
}

}  // namespace
}  // namespace cvn
