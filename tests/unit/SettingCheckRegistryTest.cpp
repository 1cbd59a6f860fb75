// The Registry check: values of each type, missing keys and values,
// invalid locations, the byte comparison of data and the texts per status.
#include <gtest/gtest.h>

#include <string>

#include "config/ItemStatus.h"
#include "tests/unit/RegistryCheckTestSupport.h"

namespace cvn {
namespace {

namespace regtype = platform::regtype;
using platform::Bytes;

constexpr const char* kRegistryKey = "HKEY_CURRENT_USER\\Software\\Vendor\\App";

class SettingCheckRegistryTest : public test::SettingCheckTest {
 protected:
  void LoadRegistry(const std::string& entries) { LoadSettings("Registry Info", entries); }

  static std::string At(const std::string& name) { return std::string(kRegistryKey) + "\\" + name; }

  SettingOutputs Check(size_t index = 0) { return Run(CheckRegistrySetting, SectionId::RegistryInfo, index); }
};

TEST_F(SettingCheckRegistryTest, AStringIsQuotedAndKeptWithItsType) {
  image_.Registry(kRegistryKey, "Path", "C:\\App");
  LoadRegistry(Entry(At("Path"), "*"));
  const SettingOutputs out = Check();
  EXPECT_EQ(out.status, settingstatus::kOk);
  EXPECT_EQ(out.actualValueText, "C:\\App");
  EXPECT_EQ(out.actualDisplayText, "\"C:\\App\"");
  const SettingItem& item = Item(SectionId::RegistryInfo, 0);
  EXPECT_EQ(item.dataType, regtype::kString);
  EXPECT_EQ(item.readType, regtype::kString);
  EXPECT_EQ(item.rawData, (Bytes{'C', ':', '\\', 'A', 'p', 'p', 0}));
  EXPECT_EQ(item.dataSize, 7u);
}

TEST_F(SettingCheckRegistryTest, AStringWithoutTerminatingZeroEndsWithItsData) {
  image_.RegistryValue(kRegistryKey, "Bare", regtype::kString, {'a', 'b'});
  image_.RegistryValue(kRegistryKey, "Inner", regtype::kString, {'a', 0, 'b', 0});
  LoadRegistry(Entry(At("Bare"), "ab") + Entry(At("Inner"), "a"));
  EXPECT_EQ(Check(0).status, settingstatus::kOk);
  EXPECT_EQ(Item(SectionId::RegistryInfo, 0).dataSize, 2u);
  EXPECT_EQ(Check(1).status, settingstatus::kOk);
}

TEST_F(SettingCheckRegistryTest, TheDefaultValueOfAKey) {
  image_.Registry(kRegistryKey, "", "unnamed");
  LoadRegistry(Entry(At("(Default)"), "unnamed") + Entry(At("(default)"), "unnamed"));
  EXPECT_EQ(Check(0).status, settingstatus::kOk);
  EXPECT_EQ(Check(1).status, settingstatus::kOk);
}

TEST_F(SettingCheckRegistryTest, MissingKeysAndValuesAreNotFound) {
  image_.Registry(kRegistryKey, "Other", "x");
  LoadRegistry(Entry(At("Absent"), "*") +
               Entry("HKEY_CURRENT_USER\\Software\\Vendor\\Gone\\Value", "*"));
  for (size_t i = 0; i < 2; ++i) {
    const SettingOutputs out = Check(i);
    EXPECT_EQ(out.status, settingstatus::kNotFound) << i;
    EXPECT_EQ(out.actualDisplayText, "[blank]");
    // The vendor's text stands alone for a missing value.
    EXPECT_EQ(out.actionText, test::kVendorAction);
    EXPECT_EQ(out.explanationText, test::kVendorExplanation);
  }
  EXPECT_EQ(machine_->OpenRegistryKeys(), 0u);
}

TEST_F(SettingCheckRegistryTest, ARootInAnotherCaseOrNoBackslashIsInvalid) {
  image_.Registry(kRegistryKey, "Path", "C:\\App");
  LoadRegistry(Entry("hkey_current_user\\Software\\Vendor\\App\\Path", "*") +
               Entry("HKEY_CURRENT_USER", "*") + Entry("HKEY_LOCAL\\Software\\x", "*"));
  for (size_t i = 0; i < 3; ++i) {
    const SettingOutputs out = Check(i);
    EXPECT_EQ(out.status, settingstatus::kInvalid) << i;
    EXPECT_EQ(out.actionText, "This data entry is invalid.") << i;
  }
}

TEST_F(SettingCheckRegistryTest, ADwordShowsItsEightDigitsAndMatchesByBytes) {
  image_.RegistryDword(kRegistryKey, "Count", 31);
  LoadRegistry(Entry(At("Count"), "0x0000001f") + Entry(At("Count"), "0x00000020") +
               Entry(At("Count"), "0x0000001F"));
  const SettingOutputs same = Check(0);
  EXPECT_EQ(same.status, settingstatus::kOk);
  EXPECT_EQ(same.actualValueText, "0x0000001f");
  EXPECT_EQ(same.actualDisplayText, "0x0000001f");
  EXPECT_EQ(Item(SectionId::RegistryInfo, 0).dataType, regtype::kDword);
  const SettingOutputs other = Check(1);
  EXPECT_EQ(other.status, settingstatus::kNotAcceptable);
  EXPECT_EQ(other.actualDisplayText, "0x0000001f, expected 0x00000020");
  // Only the bytes count: upper-case digits read as the same number.
  EXPECT_EQ(Check(2).status, settingstatus::kOk);
}

TEST_F(SettingCheckRegistryTest, BinaryDataMatchesByBytesOnly) {
  image_.RegistryValue(kRegistryKey, "Flags", regtype::kBinary, {0x01, 0x02, 0xff});
  image_.RegistryValue(kRegistryKey, "Raw", regtype::kNone, {0x7f});
  LoadRegistry(Entry(At("Flags"), "01-02-FF") + Entry(At("Flags"), "{01}") +
               Entry(At("Flags"), "01 02") + Entry(At("Raw"), "7f"));
  const SettingOutputs bytes = Check(0);
  EXPECT_EQ(bytes.status, settingstatus::kOk);
  EXPECT_EQ(bytes.actualValueText, "01 02 ff");
  // Contains mode and text equality do not apply to data.
  EXPECT_EQ(Check(1).status, settingstatus::kNotAcceptable);
  EXPECT_EQ(Check(2).status, settingstatus::kNotAcceptable);
  EXPECT_EQ(Check(2).actualDisplayText, "01 02 ff, expected 01 02");
  EXPECT_EQ(Check(3).status, settingstatus::kOk);
  EXPECT_EQ(Item(SectionId::RegistryInfo, 3).dataType, regtype::kNone);
}

TEST_F(SettingCheckRegistryTest, EmptyDataIsBlank) {
  image_.RegistryValue(kRegistryKey, "Empty", regtype::kBinary, {});
  image_.Registry(kRegistryKey, "EmptyText", "");
  LoadRegistry(Entry(At("Empty"), "*") + Entry(At("EmptyText"), "*"));
  for (size_t i = 0; i < 2; ++i) {
    const SettingOutputs out = Check(i);
    EXPECT_EQ(out.status, settingstatus::kBlank) << i;
    EXPECT_EQ(out.actionText, "The Registry entry should not be blank.") << i;
  }
}

TEST_F(SettingCheckRegistryTest, LongDataIsReadWhole) {
  image_.RegistryValue(kRegistryKey, "Big", regtype::kBinary, Bytes(5000, 0xa5));
  image_.Registry(kRegistryKey, "Text", std::string(1000, 't'));
  LoadRegistry(Entry(At("Big"), "*") + Entry(At("Text"), "*"));
  const SettingOutputs big = Check(0);
  EXPECT_EQ(big.actualValueText.size(), 5000u * 3 - 1);
  EXPECT_EQ(Item(SectionId::RegistryInfo, 0).dataSize, 5000u);
  EXPECT_EQ(Check(1).actualValueText, std::string(1000, 't'));
}

TEST_F(SettingCheckRegistryTest, OtherTypesAreNotHandledButKeepTheirType) {
  image_.RegistryValue(kRegistryKey, "Multi", regtype::kMultiString, {'a', 0, 'b', 0, 0});
  image_.RegistryValue(kRegistryKey, "Expand", regtype::kExpandString,
                       {'%', 'w', 'i', 'n', 'd', 'i', 'r', '%', 0});
  LoadRegistry(Entry(At("Multi"), "*") + Entry(At("Expand"), "*", "N"));
  const SettingOutputs multi = Check(0);
  EXPECT_EQ(multi.status, settingstatus::kUnhandledType);
  EXPECT_EQ(multi.actualDisplayText, "a");
  EXPECT_EQ(multi.actionText, "The Registry data is in a format that is not handled.");
  const SettingItem& item = Item(SectionId::RegistryInfo, 0);
  EXPECT_EQ(item.dataType, regtype::kNone);
  EXPECT_EQ(item.readType, regtype::kMultiString);
  EXPECT_TRUE(item.rawData.empty());
  EXPECT_EQ(ProblemLevel(item), level::kProblem);

  const SettingOutputs expand = Check(1);
  EXPECT_EQ(expand.status, settingstatus::kUnhandledType);
  EXPECT_EQ(expand.actualDisplayText, "%windir%");
  EXPECT_EQ(Item(SectionId::RegistryInfo, 1).readType, regtype::kExpandString);
  EXPECT_EQ(ProblemLevel(Item(SectionId::RegistryInfo, 1)), level::kWarning);
}

TEST_F(SettingCheckRegistryTest, AWrongStringWithOneExpectedValue) {
  image_.Registry(kRegistryKey, "Mode", "fast");
  LoadRegistry(Entry(At("Mode"), "slow") + Entry(At("Mode"), "[slow, safe]"));
  const SettingOutputs one = Check(0);
  EXPECT_EQ(one.status, settingstatus::kNotAcceptable);
  EXPECT_EQ(one.actualDisplayText, "'fast', expected 'slow'");
  EXPECT_EQ(one.actionText, test::kVendorAction);
  EXPECT_EQ(ProblemLevel(Item(SectionId::RegistryInfo, 0)), level::kSeriousProblem);
  EXPECT_EQ(Check(1).actualDisplayText, "\"fast\"");
}

TEST_F(SettingCheckRegistryTest, ARecheckReplacesTheDataItRead) {
  image_.RegistryValue(kRegistryKey, "Value", regtype::kBinary, {1, 2});
  LoadRegistry(Entry(At("Value"), "*"));
  Check();
  platform::RegKey key = 0;
  ASSERT_EQ(machine_->Reg().OpenKey(platform::hkey::kCurrentUser, "Software\\Vendor\\App",
                                    platform::Registry::Access::All, key),
            platform::regerr::kSuccess);
  machine_->Reg().SetValue(key, "Value", regtype::kMultiString, {'z', 0, 0});
  machine_->Reg().CloseKey(key);
  EXPECT_EQ(Check().status, settingstatus::kOk);  // cached
  SettingItem& item = Item(SectionId::RegistryInfo, 0);
  EXPECT_EQ(item.rawData, (Bytes{1, 2}));
  item.checked = false;
  EXPECT_EQ(Check().status, settingstatus::kUnhandledType);
  EXPECT_TRUE(item.rawData.empty());
  EXPECT_EQ(item.dataSize, 0u);
}

}  // namespace
}  // namespace cvn
