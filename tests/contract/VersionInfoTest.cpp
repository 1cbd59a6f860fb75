// Version resources of PE files that the build makes with windres.
#include <string>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

class VersionInfoTest : public ContractTest {
 protected:
  platform::VersionInfo& ver() { return machine().Versions(); }
  platform::Bytes Block(const std::string& fixture) {
    auto block = ver().GetInfo(FixturePath(fixture));
    EXPECT_TRUE(block.has_value()) << fixture;
    return block.value_or(platform::Bytes{});
  }
};

TEST_F(VersionInfoTest, FixedFileVersionAndStrings) {
  const std::string path = FixturePath("ver_fixed.dll");
  EXPECT_GT(ver().GetSize(path), 0u);
  const auto block = Block("ver_fixed.dll");
  const auto fixed = ver().QueryFixed(block);
  ASSERT_TRUE(fixed.has_value());
  EXPECT_EQ(fixed->signature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->fileVersionMS, 0x00010002u);
  EXPECT_EQ(fixed->fileVersionLS, 0x00030004u);
  EXPECT_EQ(fixed->productVersionMS, 0x00050006u);
  EXPECT_EQ(fixed->productVersionLS, 0x00070008u);
  EXPECT_EQ(fixed->fileOS, 0x40004u);
  EXPECT_EQ(fixed->fileType, 2u);

  const auto translations = ver().QueryTranslations(block);
  ASSERT_EQ(translations.size(), 1u);
  EXPECT_EQ(translations[0].language, 0x409);
  EXPECT_EQ(translations[0].codePage, 1252);

  EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040904E4\\FileVersion"), "1.2.3.4");
  EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040904E4\\CompanyName"),
            "Corvane Test Vendor");
  EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040904E4\\Comments"), std::nullopt);
  EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040904B0\\FileVersion"), std::nullopt);
}

TEST_F(VersionInfoTest, StringPathsIgnoreLetterCase) {
  const auto block = Block("ver_fixed.dll");
  EXPECT_EQ(ver().QueryString(block, "\\stringfileinfo\\040904e4\\fileversion"), "1.2.3.4");
}

TEST_F(VersionInfoTest, OnlyAProductVersion) {
  const auto block = Block("ver_product.dll");
  const auto fixed = ver().QueryFixed(block);
  ASSERT_TRUE(fixed.has_value());
  EXPECT_EQ(fixed->fileVersionMS, 0u);
  EXPECT_EQ(fixed->fileVersionLS, 0u);
  EXPECT_EQ(fixed->productVersionMS, 0x00030001u);
  EXPECT_EQ(fixed->productVersionLS, 0u);
  EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040904E4\\FileVersion"), std::nullopt);
  EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040904E4\\ProductVersion"), "3.1");
}

TEST_F(VersionInfoTest, OnlyAStringFileVersion) {
  const auto block = Block("ver_string.dll");
  const auto fixed = ver().QueryFixed(block);
  ASSERT_TRUE(fixed.has_value());
  EXPECT_EQ(fixed->fileVersionMS, 0u);
  EXPECT_EQ(fixed->productVersionMS, 0u);
  const auto translations = ver().QueryTranslations(block);
  ASSERT_EQ(translations.size(), 1u);
  EXPECT_EQ(translations[0].language, 0x407);
  EXPECT_EQ(translations[0].codePage, 1200);
  EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040704B0\\FileVersion"),
            "2.50.0.17 beta");
}

TEST_F(VersionInfoTest, NoVersionResource) {
  EXPECT_EQ(ver().GetSize(FixturePath("ver_none.dll")), 0u);
  EXPECT_EQ(ver().GetInfo(FixturePath("ver_none.dll")), std::nullopt);
}

TEST_F(VersionInfoTest, MissingOrNonPeFiles) {
  EXPECT_EQ(ver().GetSize(FixturePath("no_such_file.dll")), 0u);
  const std::string text = Join(env().ScratchFolder(), "plain.dll");
  WriteText(machine().Files(), text, "MZ but nothing more");
  EXPECT_EQ(ver().GetSize(text), 0u);
  EXPECT_EQ(ver().GetInfo(text), std::nullopt);
}

}  // namespace
}  // namespace cvn::test
