// The PE reader on files built in code: a good file, then one broken
// variant for each check the reader makes.
#include <gtest/gtest.h>

#include <functional>

#include "tests/support/PeBuilder.h"
#include "util/pe/GroupIcon.h"
#include "util/pe/PeFile.h"
#include "util/pe/ResourceTable.h"
#include "util/pe/VersionBlock.h"

namespace cvn::pe {
namespace {

using test::Bytes;
using test::PeBuilder;
using test::PutU16;
using test::PutU32;

Bytes VersionResource() {
  return test::VersionInfoBlock({0x00010002, 0x00030004, 0x00050006, 0x00070008}, u"040904E4",
                                {{u"FileVersion", u"1.2.3.4"}, {u"CompanyName", u"Vendor \u00e9"}}, 0x409, 1252)
      .Encode();
}

PeBuilder GoodBuilder() {
  PeBuilder builder;
  builder.Section(".text", Bytes(100, 0xC3))
      .Resource({restype::kVersion, 1, 0x409, VersionResource()})
      .Resource({restype::kGroupIcon, 7, 0x409, test::IconGroup(2)})
      .Resource({restype::kGroupIcon, 2, 0x409, test::IconGroup(1)});
  return builder;
}

std::span<const uint8_t> View(const Bytes& bytes) { return {bytes.data(), bytes.size()}; }

TEST(PeReaderTest, ReadsHeadersAndSections) {
  PeBuilder builder = GoodBuilder();
  const Bytes file = builder.Build();
  const auto pe = PeFile::Parse(View(file));
  ASSERT_TRUE(pe) << pe.Error();
  EXPECT_EQ(pe->Coff().machine, 0x14C);
  EXPECT_FALSE(pe->Optional().Is64());
  EXPECT_EQ(pe->Optional().imageBase, 0x10000000u);
  ASSERT_EQ(pe->Sections().size(), 2u);
  EXPECT_EQ(pe->Sections()[0].name, ".text");
  EXPECT_EQ(pe->Sections()[1].name, ".rsrc");
  EXPECT_EQ(pe->Directory(dir::kResource).rva, builder.Layout().resourceRva);
  EXPECT_EQ(pe->Directory(15).rva, 0u);
  const auto offset = pe->RvaToOffset(builder.Layout().resourceRva + 4, "test");
  ASSERT_TRUE(offset);
  EXPECT_EQ(*offset, builder.Layout().resourceOffset + 4);
  const auto outside = pe->RvaToOffset(0x90000, "import descriptor 3");
  ASSERT_FALSE(outside);
  EXPECT_EQ(outside.Error(), "import descriptor 3: address 0x90000 outside every section");
}

TEST(PeReaderTest, WalksTheResourceDirectory) {
  const Bytes file = GoodBuilder().Build();
  const auto pe = PeFile::Parse(View(file));
  ASSERT_TRUE(pe) << pe.Error();
  const auto table = ResourceTable::Read(*pe);
  ASSERT_TRUE(table) << table.Error();
  ASSERT_EQ(table->All().size(), 3u);
  const auto groups = table->OfType(restype::kGroupIcon);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0]->name.id, 2) << "ids ascending";
  const Resource* version = table->Find(restype::kVersion, 1);
  ASSERT_TRUE(version);
  EXPECT_EQ(version->language, 0x409);
  const auto data = ResourceData(*pe, *version);
  ASSERT_TRUE(data) << data.Error();
  EXPECT_EQ(Bytes(data->begin(), data->end()), VersionResource());
  const auto icons = ParseGroupIcon(*ResourceData(*pe, *groups[1]));
  ASSERT_TRUE(icons);
  EXPECT_EQ(icons->size(), 2u);
  EXPECT_EQ((*icons)[1].id, 2);
}

TEST(PeReaderTest, FileWithoutResourcesHasAnEmptyTable) {
  const Bytes file = PeBuilder().Section(".text", Bytes(16, 0)).Build();
  const auto pe = PeFile::Parse(View(file));
  ASSERT_TRUE(pe) << pe.Error();
  const auto table = ResourceTable::Read(*pe);
  ASSERT_TRUE(table);
  EXPECT_TRUE(table->All().empty());
}

TEST(PeReaderTest, FindPrefersNeutralThenEnglish) {
  const Bytes v = VersionResource();
  const Bytes file = PeBuilder()
                         .Resource({restype::kVersion, 1, 0x407, v})
                         .Resource({restype::kVersion, 1, 0x409, v})
                         .Resource({restype::kVersion, 2, 0x000, v})
                         .Resource({restype::kVersion, 2, 0x409, v})
                         .Build();
  const auto pe = PeFile::Parse(View(file));
  ASSERT_TRUE(pe);
  const auto table = ResourceTable::Read(*pe);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Find(restype::kVersion, 1)->language, 0x409);
  EXPECT_EQ(table->Find(restype::kVersion, 2)->language, 0);
  EXPECT_FALSE(table->Find(restype::kVersion, 3));
}

// One malformed variant per check; `where` is a part of the message that
// says what was read.
struct Breakage {
  const char* name;
  std::function<void(Bytes&, const test::PeLayout&)> breakIt;
  const char* where;
};

TEST(PeReaderTest, MalformedHeadersFailWithWhatWasRead) {
  const Breakage cases[] = {
      {"short file", [](Bytes& f, const auto&) { f.resize(40); }, "MS-DOS header at 0x0"},
      {"no MZ", [](Bytes& f, const auto&) { f[0] = 'X'; }, "no \"MZ\" signature"},
      {"e_lfanew past end", [](Bytes& f, const auto&) { PutU32(f, 60, 0x7FFFFFF0); }, "PE signature (e_lfanew) at 0x7FFFFFF0"},
      {"e_lfanew at the very end", [](Bytes& f, const auto&) { PutU32(f, 60, static_cast<uint32_t>(f.size() - 2)); },
       "PE signature (e_lfanew)"},
      {"no PE signature", [](Bytes& f, const auto& l) { f[l.headerOffset + 1] = 'X'; }, "not \"PE\\0\\0\""},
      {"COFF header cut off", [](Bytes& f, const auto& l) { f.resize(l.headerOffset + 10); }, "COFF header"},
      {"optional header past end", [](Bytes& f, const auto& l) { PutU16(f, l.headerOffset + 20, 0xFFFF); },
       "optional header"},
      {"unknown magic", [](Bytes& f, const auto& l) { PutU16(f, l.optionalOffset, 0x107); }, "unknown magic 0x107"},
      {"optional header too short", [](Bytes& f, const auto& l) { PutU16(f, l.headerOffset + 20, 64); },
       "fewer than its 0x60 fixed bytes"},
      {"too many directories", [](Bytes& f, const auto& l) { PutU16(f, l.headerOffset + 20, 96 + 8); },
       "entries do not fit the optional header"},
      {"section table past end", [](Bytes& f, const auto& l) { PutU16(f, l.headerOffset + 6, 0xFFFF); },
       "section table"},
      {"section past end", [](Bytes& f, const auto& l) { PutU32(f, l.sectionTableOffset + 40 + 20, 0x7FFFFF00); },
       "section 1 (.rsrc): raw data"},
  };
  for (const auto& c : cases) {
    PeBuilder builder = GoodBuilder();
    Bytes file = builder.Build();
    c.breakIt(file, builder.Layout());
    const auto pe = PeFile::Parse(View(file));
    ASSERT_FALSE(pe) << c.name;
    EXPECT_NE(pe.Error().find(c.where), std::string::npos) << c.name << ": " << pe.Error();
  }
}

TEST(PeReaderTest, MalformedResourceDirectoriesFailWithWhatWasRead) {
  const Breakage cases[] = {
      {"resource directory outside every section",
       [](Bytes& f, const auto& l) { PutU32(f, l.optionalOffset + 96 + 16, 0x80000); }, "outside every section"},
      {"entry count past the section",
       [](Bytes& f, const auto& l) { PutU16(f, l.resourceOffset + 14, 0xFFFF); }, "entries of resource directory at 0x0"},
      {"subdirectory past the section",
       [](Bytes& f, const auto& l) { PutU32(f, l.resourceOffset + 20, 0x80000000u | 0x7FFF0000u); },
       "resource directory at 0x7FFF0000"},
      {"directory loop", [](Bytes& f, const auto& l) { PutU32(f, l.resourceOffset + 20, 0x80000000u); }, "loop"},
      {"data where a directory belongs", [](Bytes& f, const auto& l) { PutU32(f, l.resourceOffset + 20, 0x10); },
       "data where a directory belongs"},
      {"name string past the section",
       [](Bytes& f, const auto& l) { PutU32(f, l.resourceOffset + 16, 0x80000000u | 0x00FFFFFFu); }, "resource name"},
      {"name string longer than the section",
       [](Bytes& f, const auto& l) {
         PutU32(f, l.resourceOffset + 16, 0x80000000u | 0x4u);
         PutU16(f, l.resourceOffset + 4, 0xFFFF);
       },
       "resource name"},
  };
  for (const auto& c : cases) {
    PeBuilder builder = GoodBuilder();
    Bytes file = builder.Build();
    c.breakIt(file, builder.Layout());
    const auto pe = PeFile::Parse(View(file));
    ASSERT_TRUE(pe) << c.name << ": " << pe.Error();
    const auto table = ResourceTable::Read(*pe);
    ASSERT_FALSE(table) << c.name;
    EXPECT_NE(table.Error().find(c.where), std::string::npos) << c.name << ": " << table.Error();
  }
}

TEST(PeReaderTest, ResourceDataPastItsSectionFails) {
  PeBuilder builder = GoodBuilder();
  Bytes file = builder.Build();
  PutU32(file, builder.Layout().dataEntryOffsets.back() + 4, 0x00100000);  // the version resource's size
  const auto pe = PeFile::Parse(View(file));
  ASSERT_TRUE(pe);
  const auto table = ResourceTable::Read(*pe);
  ASSERT_TRUE(table) << table.Error();
  const auto data = ResourceData(*pe, *table->Find(restype::kVersion, 1));
  ASSERT_FALSE(data);
  EXPECT_NE(data.Error().find("resource data: 0x100000 bytes at address"), std::string::npos) << data.Error();
}

TEST(PeReaderTest, MalformedIconGroupsFail) {
  Bytes group = test::IconGroup(3);
  EXPECT_TRUE(ParseGroupIcon(View(group)));
  group.resize(group.size() - 1);
  EXPECT_FALSE(ParseGroupIcon(View(group)));
  Bytes notIcon = test::IconGroup(1);
  PutU16(notIcon, 2, 2);  // a cursor group
  EXPECT_FALSE(ParseGroupIcon(View(notIcon)));
}

}  // namespace
}  // namespace cvn::pe
