// VS_VERSIONINFO blocks: queries as VerQueryValue walks them, the ANSI view
// the emulated version.dll gives, and one broken variant per check.
#include "util/pe/VersionBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/emulated/EmulatedVersionInfo.h"
#include "platform/emulated/ImageBuilder.h"
#include "tests/support/PeBuilder.h"
#include "util/pe/ResourceTable.h"

namespace cvn::pe {
namespace {

using test::Bytes;
using test::PutU16;
using test::VersionNode;

VersionNode Block() {
  return test::VersionInfoBlock({0x00040000, 0x03B60000, 0, 0}, u"040904E4",
                                {{u"FileVersion", u"4.00.950"}, {u"Comments", u"Caf\u00e9 \u20ac \u4e2d"}, {u"Empty", u""}},
                                0x409, 1252);
}

std::span<const uint8_t> View(const Bytes& bytes) { return {bytes.data(), bytes.size()}; }

// The offset of the node whose key is `key`: its header stands just before the key.
size_t NodeOf(const Bytes& bytes, const std::u16string& key) {
  Bytes encoded;
  test::AppendUtf16(encoded, key);
  const auto at = std::search(bytes.begin(), bytes.end(), encoded.begin(), encoded.end());
  return static_cast<size_t>(at - bytes.begin()) - 6;
}

TEST(VersionBlockTest, QueriesWalkThePathWithoutRegardToCase) {
  const Bytes bytes = Block().Encode();
  const auto block = VersionBlock::Parse(View(bytes));
  ASSERT_TRUE(block) << block.Error();
  const auto fixed = block->FixedInfo();
  ASSERT_TRUE(fixed);
  EXPECT_EQ((*fixed)[0], 0xFEEF04BDu);
  EXPECT_EQ((*fixed)[2], 0x00040000u);
  EXPECT_EQ((*fixed)[3], 0x03B60000u);
  const auto translations = block->Translations();
  ASSERT_EQ(translations.size(), 1u);
  EXPECT_EQ(translations[0].language, 0x409);
  EXPECT_EQ(translations[0].codePage, 1252);
  for (const char* path : {"\\StringFileInfo\\040904E4\\FileVersion", "\\\\stringfileinfo\\040904e4\\\\FILEVERSION",
                           "StringFileInfo\\040904E4\\FileVersion\\"}) {
    EXPECT_EQ(block->Text(path), u"4.00.950") << path;
  }
  EXPECT_EQ(block->Text("\\StringFileInfo\\040904E4\\Empty"), u"");
  EXPECT_FALSE(block->Text("\\StringFileInfo\\040704B0\\FileVersion"));
  EXPECT_FALSE(block->Text("\\StringFileInfo\\040904E4\\FileVers"));
  const auto root = block->Query("");
  ASSERT_TRUE(root);
  EXPECT_EQ(root->valueLength, 52);
  EXPECT_FALSE(root->isText);
}

TEST(VersionBlockTest, MalformedBlocksFail) {
  struct Case {
    const char* name;
    std::function<void(Bytes&)> breakIt;
    const char* where;
  };
  const Case cases[] = {
      {"cut below the header", [](Bytes& b) { b.resize(4); }, "version block"},
      {"16-bit form", [](Bytes& b) { b[4] = 'V'; }, "not the 32-bit form"},
      {"root shorter than its header", [](Bytes& b) { PutU16(b, 0, 4); }, "shorter than its header"},
      {"root longer than the data", [](Bytes& b) { PutU16(b, 0, static_cast<uint16_t>(b.size() + 4)); },
       "runs past its block"},
      {"key without its zero", [](Bytes& b) { PutU16(b, 0, 16); }, "key without its closing zero"},
      {"fixed info past the node", [](Bytes& b) { PutU16(b, 2, 0x2000); }, "value of 0x2000 bytes runs past"},
  };
  for (const auto& c : cases) {
    Bytes bytes = Block().Encode();
    c.breakIt(bytes);
    const auto block = VersionBlock::Parse(View(bytes));
    ASSERT_FALSE(block) << c.name;
    EXPECT_NE(block.Error().find(c.where), std::string::npos) << c.name << ": " << block.Error();
  }
}

TEST(VersionBlockTest, MalformedChildrenFailTheQuery) {
  VersionNode root = Block();
  const Bytes good = root.Encode();
  const size_t child = NodeOf(good, u"StringFileInfo");
  struct Case {
    const char* name;
    std::function<void(Bytes&)> breakIt;
    const char* where;
  };
  const Case cases[] = {
      {"child past its parent", [&](Bytes& b) { PutU16(b, child, 0x7000); }, "runs past its block"},
      {"string length past the block", [&](Bytes& b) { PutU16(b, NodeOf(b, u"FileVersion") + 2, 0x400); },
       "runs past the end of its block"},
  };
  for (const auto& c : cases) {
    Bytes bytes = good;
    c.breakIt(bytes);
    const auto block = VersionBlock::Parse(View(bytes));
    ASSERT_TRUE(block) << c.name << ": " << block.Error();
    const auto value = block->Query("\\StringFileInfo\\040904E4\\FileVersion");
    ASSERT_FALSE(value) << c.name;
    EXPECT_NE(value.Error().find(c.where), std::string::npos) << c.name << ": " << value.Error();
  }
}

TEST(VersionBlockTest, ZeroLengthChildEndsTheSearch) {
  Bytes bytes = Block().Encode();
  PutU16(bytes, NodeOf(bytes, u"StringFileInfo"), 0);
  const auto block = VersionBlock::Parse(View(bytes));
  ASSERT_TRUE(block);
  EXPECT_FALSE(block->Text("\\StringFileInfo\\040904E4\\FileVersion"));
  EXPECT_TRUE(block->Translations().empty());
}

TEST(VersionBlockTest, EmulatedVersionInfoAnswersAnAnsiCaller) {
  const Bytes resource = Block().Encode();
  const Bytes dll = test::PeBuilder().Resource({restype::kVersion, 1, 0x409, resource}).Build();
  emulated::ImageBuilder img;
  img.File("C:\\APP\\VER.DLL", dll).File("C:\\APP\\PLAIN.DLL", test::PeBuilder().Section(".text", {1}).Build());
  auto machine = img.Open();
  ASSERT_TRUE(machine) << img.Error();
  auto& versions = machine->Versions();
  EXPECT_EQ(versions.GetSize("C:\\APP\\VER.DLL"), resource.size() * 2 + 4);
  EXPECT_EQ(versions.GetSize("C:\\APP\\PLAIN.DLL"), 0u);
  EXPECT_EQ(versions.GetSize("C:\\APP\\MISSING.DLL"), 0u);
  EXPECT_FALSE(versions.GetInfo("C:\\APP\\PLAIN.DLL"));
  const auto info = versions.GetInfo("C:\\APP\\VER.DLL");
  ASSERT_TRUE(info);
  ASSERT_EQ(info->size(), resource.size() * 2 + 4);
  EXPECT_TRUE(std::equal(resource.begin(), resource.end(), info->begin()));
  EXPECT_EQ(std::string(info->begin() + static_cast<std::ptrdiff_t>(resource.size()),
                        info->begin() + static_cast<std::ptrdiff_t>(resource.size()) + 4),
            "FE2X");
  const auto fixed = versions.QueryFixed(*info);
  ASSERT_TRUE(fixed);
  EXPECT_EQ(fixed->signature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->fileVersionMS, 0x00040000u);
  EXPECT_EQ(fixed->fileVersionLS, 0x03B60000u);
  EXPECT_EQ(fixed->fileType, 2u);
  const auto translations = versions.QueryTranslations(*info);
  ASSERT_EQ(translations.size(), 1u);
  EXPECT_EQ(translations[0].codePage, 1252);
  EXPECT_EQ(versions.QueryString(*info, "\\StringFileInfo\\040904E4\\Comments"), "Caf\xE9 \x80 ?");
  EXPECT_FALSE(versions.QueryFixed(platform::Bytes{1, 2, 3}));
  EXPECT_TRUE(versions.QueryTranslations(platform::Bytes{}).empty());
}

TEST(VersionBlockTest, ExtractIconFindsIconGroups) {
  const Bytes dll = test::PeBuilder()
                        .Resource({restype::kGroupIcon, 5, 0x409, test::IconGroup(2)})
                        .Resource({restype::kGroupIcon, 9, 0x409, test::IconGroup(1)})
                        .Build();
  Bytes ico = test::IconGroup(2);  // an .ico file starts with the same header
  emulated::ImageBuilder img;
  img.File("C:\\APP\\ICONS.DLL", dll).File("C:\\APP\\APP.ICO", ico).File("C:\\APP\\TEXT.TXT", "text");
  auto machine = img.Open();
  ASSERT_TRUE(machine);
  auto& shell = machine->Desktop();
  EXPECT_NE(shell.ExtractIcon("C:\\APP\\ICONS.DLL", 0), 0u);
  EXPECT_NE(shell.ExtractIcon("C:\\APP\\ICONS.DLL", 1), 0u);
  EXPECT_NE(shell.ExtractIcon("C:\\APP\\ICONS.DLL", 0), shell.ExtractIcon("C:\\APP\\ICONS.DLL", 1));
  EXPECT_EQ(shell.ExtractIcon("C:\\APP\\ICONS.DLL", 2), 0u);
  EXPECT_NE(shell.ExtractIcon("C:\\APP\\ICONS.DLL", -9), 0u);
  EXPECT_EQ(shell.ExtractIcon("C:\\APP\\ICONS.DLL", -6), 0u);
  EXPECT_NE(shell.ExtractIcon("C:\\APP\\APP.ICO", 1), 0u);
  EXPECT_EQ(shell.ExtractIcon("C:\\APP\\APP.ICO", 2), 0u);
  EXPECT_EQ(shell.ExtractIcon("C:\\APP\\TEXT.TXT", 0), 0u);
  EXPECT_EQ(shell.ExtractIcon("C:\\APP\\NONE.DLL", 0), 0u);
  EXPECT_NE(shell.LoadIcon(128), 0u);
  EXPECT_NE(shell.LoadIcon(128), shell.LoadIcon(129));
}

}  // namespace
}  // namespace cvn::pe
