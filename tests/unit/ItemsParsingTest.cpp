// Entries of each section type turned into items.
#include "config/ItemParsing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cvn {
namespace {

using Strings = std::vector<std::string>;

std::string Resolved(const std::string& path) { return "<" + path + ">"; }

template <class T>
std::unique_ptr<T> Parse(SectionType type, std::string_view entry) {
  std::unique_ptr<ConfigItem> item = ParseItem(type, entry, Resolved);
  T* typed = dynamic_cast<T*>(item.get());
  EXPECT_NE(typed, nullptr) << entry;
  if (typed == nullptr) return nullptr;
  item.release();
  return std::unique_ptr<T>(typed);
}

TEST(ItemsParsingTest, TextValuesAreVerbatim) {
  const auto item = Parse<TextItem>(SectionType::Text, "ReadMeFile = 1|readme.txt");
  EXPECT_EQ(item->Name(), "ReadMeFile");
  EXPECT_EQ(item->value, "1|readme.txt");
}

TEST(ItemsParsingTest, DirectoryValuesThatLookLikePathsAreExpanded) {
  EXPECT_EQ(Parse<DirectoryItem>(SectionType::Directory, "Q = W|sub")->value, "<W|sub>");
  EXPECT_EQ(Parse<DirectoryItem>(SectionType::Directory, "R=[app\\dirs\\r]")->value,
            "[app\\dirs\\r]");
}

TEST(ItemsParsingTest, FileEntry) {
  const auto item = Parse<FileItem>(SectionType::File, "FOO.DLL, S, 2, Y, N, 4.21.7022, -4.0");
  EXPECT_EQ(item->Name(), "FOO.DLL");
  EXPECT_EQ(item->folderCode, 'S');
  EXPECT_EQ(item->sourceCode, '2');
  EXPECT_TRUE(item->required);
  EXPECT_FALSE(item->checkSizeAndDate);
  EXPECT_EQ(item->acceptedVersions, Strings{"4.21.7022"});
  EXPECT_EQ(item->rejectedVersions, Strings{"4.0"});
}

TEST(ItemsParsingTest, FileEntryWithMissingFields) {
  const auto item = Parse<FileItem>(SectionType::File, "BAR.DLL");
  EXPECT_EQ(item->Name(), "BAR.DLL");
  EXPECT_EQ(item->folderCode, '\0');
  EXPECT_EQ(item->sourceCode, '\0');
  EXPECT_FALSE(item->required);
  EXPECT_TRUE(item->acceptedVersions.empty());
}

TEST(ItemsParsingTest, SettingEntry) {
  const auto item = Parse<SettingItem>(
      SectionType::RegistrySetting,
      R"(HKEY_CURRENT_USER\Software\V\Mode = [ "a", "b" ], Y, N, "act key", explain)");
  EXPECT_EQ(item->Location(), "HKEY_CURRENT_USER\\Software\\V\\Mode");
  EXPECT_EQ(item->expectedValues, (Strings{"a", "b"}));
  EXPECT_EQ(item->valueText, R"([ "a", "b" ])");
  EXPECT_TRUE(item->required);
  EXPECT_FALSE(item->tracked);
  EXPECT_EQ(item->actionKey, "act key");
  EXPECT_EQ(item->explanationKey, "explain");
}

TEST(ItemsParsingTest, SettingValueRunsIntoAJoinedSecondLine) {
  const auto item = Parse<SettingItem>(SectionType::IniSetting, "win\\windows\\load=abcY, N");
  EXPECT_EQ(item->expectedValues, Strings{"abcY"});
  EXPECT_FALSE(item->required);
}

TEST(ItemsParsingTest, ServerEntry) {
  const auto item = Parse<ServerItem>(
      SectionType::OleServer,
      R"("Thing Control", thing.ocx, S, Vendor.Thing.2, 2.0, Y, N, Y,)"
      R"( {11111111-2222-3333-4455-66778899AABB}, {AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE})");
  EXPECT_EQ(item->Name(), "Thing Control");
  EXPECT_EQ(item->serverFile, "thing.ocx");
  EXPECT_EQ(item->folderCode, 'S');
  EXPECT_EQ(item->progId, "Vendor.Thing.2");
  EXPECT_EQ(item->versionIndependentProgId, "Vendor.Thing");
  EXPECT_EQ(item->version, "2.0");
  EXPECT_TRUE(item->required);
  EXPECT_FALSE(item->secondFlag);
  EXPECT_TRUE(item->thirdFlag);
  EXPECT_EQ(FormatGuid(item->clsid), "{11111111-2222-3333-4455-66778899AABB}");
  EXPECT_EQ(FormatGuid(item->typeLib), "{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}");
}

TEST(ItemsParsingTest, TypeLibraryEntry) {
  const auto item = Parse<TypeLibItem>(
      SectionType::TypeLibrary,
      R"("Thing Library", thing.tlb, S, 1, 1.0, N, {00020430-0000-0000-C000-000000000046})");
  EXPECT_EQ(item->Name(), "Thing Library");
  EXPECT_EQ(item->libraryFile, "thing.tlb");
  EXPECT_EQ(item->folderCode, 'S');
  EXPECT_EQ(item->helpFolderCode, '1');
  EXPECT_EQ(item->version, "1.0");
  EXPECT_FALSE(item->required);
  EXPECT_EQ(item->libId.data1, 0x00020430u);
}

TEST(ItemsParsingTest, VersionIndependentProgIds) {
  const struct {
    const char* progId;
    const char* independent;
  } cases[] = {{"Vendor.Thing.2", "Vendor.Thing"}, {"Vendor.Thing", "Vendor.Thing"},
               {".2", ".2"},                       {"A.B.", "A.B."},
               {"A.1.x", "A.1.x"},                 {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(VersionIndependentProgId(c.progId), c.independent);
}

}  // namespace
}  // namespace cvn
