// The Registry: values of each type, default values, missing roots and keys.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

using platform::Bytes;
using platform::RegKey;
using platform::RegValue;
namespace hkey = platform::hkey;
namespace regtype = platform::regtype;
namespace regerr = platform::regerr;

class RegistryTest : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path = std::string("Software\\CorvaneContract\\") + info->name();
    ASSERT_EQ(reg().CreateKey(hkey::kCurrentUser, path, key), regerr::kSuccess);
  }
  void TearDown() override {
    if (key) reg().CloseKey(key);
    ContractTest::TearDown();
  }
  platform::Registry& reg() { return machine().Reg(); }

  RegValue Query(const std::string& name) {
    RegValue value;
    EXPECT_EQ(reg().QueryValue(key, name, value), regerr::kSuccess) << name;
    return value;
  }

  std::string path;
  RegKey key = 0;
};

struct TypedCase {
  const char* name;
  uint32_t type;
  Bytes data;
};

TEST_F(RegistryTest, ValuesOfEveryTypeReadBackAsStored) {
  const TypedCase cases[] = {
      {"String", regtype::kString, {'a', 'b', 'c', 0}},
      {"Unterminated", regtype::kString, {'x', 'y'}},
      {"Empty", regtype::kString, {}},
      {"Expand", regtype::kExpandString, ToBytes(std::string("%windir%\\x", 11) + '\0')},
      {"Multi", regtype::kMultiString, {'a', 0, 'b', 'c', 0, 0}},
      {"Dword", regtype::kDword, {0x78, 0x56, 0x34, 0x12}},
      {"Binary", regtype::kBinary, {0x00, 0xFF, 0x10, 0x00}},
      {"None", regtype::kNone, {0x01, 0x02}},
      {"Big", regtype::kBinary, Bytes(5000, 0xA5)},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(reg().SetValue(key, c.name, c.type, c.data), regerr::kSuccess) << c.name;
  }
  for (const auto& c : cases) {
    const RegValue value = Query(c.name);
    EXPECT_EQ(value.type, c.type) << c.name;
    EXPECT_EQ(value.data, c.data) << c.name;
  }
}

TEST_F(RegistryTest, ValueAndKeyNamesIgnoreLetterCase) {
  ASSERT_EQ(reg().SetValue(key, "MixedName", regtype::kString, {'v', 0}), regerr::kSuccess);
  EXPECT_EQ(Query("MIXEDNAME").data, (Bytes{'v', 0}));
  RegKey upper = 0;
  std::string upperPath = path;
  for (char& c : upperPath) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ASSERT_EQ(reg().OpenKey(hkey::kCurrentUser, upperPath, platform::Registry::Access::Read, upper),
            regerr::kSuccess);
  RegValue value;
  EXPECT_EQ(reg().QueryValue(upper, "mixedname", value), regerr::kSuccess);
  reg().CloseKey(upper);
}

TEST_F(RegistryTest, DefaultValueOfASubKey) {
  ASSERT_EQ(reg().SetDefaultValue(key, "Sub\\Deeper", "the default"), regerr::kSuccess);
  RegKey sub = 0;
  ASSERT_EQ(reg().OpenKey(key, "Sub\\Deeper", platform::Registry::Access::Read, sub),
            regerr::kSuccess);
  RegValue value;
  ASSERT_EQ(reg().QueryValue(sub, "", value), regerr::kSuccess);
  EXPECT_EQ(value.type, regtype::kString);
  EXPECT_EQ(ToText(value.data), std::string("the default") + '\0');
  reg().CloseKey(sub);
  // A key whose default value was never set has none.
  RegKey middle = 0;
  ASSERT_EQ(reg().OpenKey(key, "Sub", platform::Registry::Access::Read, middle), regerr::kSuccess);
  EXPECT_EQ(reg().QueryValue(middle, "", value), regerr::kFileNotFound);
  reg().CloseKey(middle);
}

// Lists every name once, then ends; the order is the platform's own.
std::vector<std::string> Enumerated(platform::Registry& reg, RegKey key, bool values) {
  std::vector<std::string> names;
  for (uint32_t index = 0;; ++index) {
    std::string name;
    const int32_t result = values ? reg.EnumValue(key, index, name) : reg.EnumKey(key, index, name);
    if (result == regerr::kNoMoreItems) break;
    EXPECT_EQ(result, regerr::kSuccess) << index;
    if (result != regerr::kSuccess || index > 16) break;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(RegistryTest, SubkeysAndValuesAreEnumerated) {
  EXPECT_TRUE(Enumerated(reg(), key, false).empty());
  EXPECT_TRUE(Enumerated(reg(), key, true).empty());
  ASSERT_EQ(reg().SetDefaultValue(key, "Beta\\Inner", "x"), regerr::kSuccess);
  ASSERT_EQ(reg().SetDefaultValue(key, "Alpha", "y"), regerr::kSuccess);
  ASSERT_EQ(reg().SetValue(key, "Count", regtype::kDword, {1, 0, 0, 0}), regerr::kSuccess);
  ASSERT_EQ(reg().SetValue(key, "", regtype::kString, {'d', 0}), regerr::kSuccess);
  EXPECT_EQ(Enumerated(reg(), key, false), (std::vector<std::string>{"Alpha", "Beta"}));
  EXPECT_EQ(Enumerated(reg(), key, true), (std::vector<std::string>{"", "Count"}));
}

TEST_F(RegistryTest, DefaultValueThroughAnEmptyValueName) {
  ASSERT_EQ(reg().SetValue(key, "", regtype::kString, {'d', 0}), regerr::kSuccess);
  EXPECT_EQ(Query("").data, (Bytes{'d', 0}));
}

TEST_F(RegistryTest, MissingKeysAndValuesAreNotFound) {
  RegKey missing = 0;
  EXPECT_EQ(reg().OpenKey(key, "No\\Such\\Key", platform::Registry::Access::Read, missing),
            regerr::kFileNotFound);
  RegValue value;
  EXPECT_EQ(reg().QueryValue(key, "NoSuchValue", value), regerr::kFileNotFound);
}

TEST_F(RegistryTest, AnUndefinedRootIsAnInvalidHandle) {
  RegKey opened = 0;
  EXPECT_EQ(reg().OpenKey(0x80000009u, "Software", platform::Registry::Access::Read, opened),
            regerr::kInvalidHandle);
}

TEST_F(RegistryTest, TheFiveRootsOpen) {
  const RegKey roots[] = {hkey::kClassesRoot, hkey::kCurrentUser, hkey::kLocalMachine,
                          hkey::kUsers, hkey::kCurrentConfig};
  for (RegKey root : roots) {
    RegKey opened = 0;
    EXPECT_EQ(reg().OpenKey(root, "", platform::Registry::Access::Read, opened), regerr::kSuccess)
        << std::hex << root;
    if (opened) reg().CloseKey(opened);
  }
}

TEST_F(RegistryTest, CreateKeyOpensAnExistingKey) {
  ASSERT_EQ(reg().SetValue(key, "Kept", regtype::kDword, {1, 0, 0, 0}), regerr::kSuccess);
  RegKey again = 0;
  ASSERT_EQ(reg().CreateKey(hkey::kCurrentUser, path, again), regerr::kSuccess);
  RegValue value;
  EXPECT_EQ(reg().QueryValue(again, "Kept", value), regerr::kSuccess);
  reg().CloseKey(again);
}

TEST_F(RegistryTest, ClassesRootWritesAreVisible) {
  // HKEY_CLASSES_ROOT is where document types are registered.
  ASSERT_EQ(reg().SetDefaultValue(hkey::kClassesRoot, ".cvncontract", "Corvane.contract"),
            regerr::kSuccess);
  RegKey ext = 0;
  ASSERT_EQ(reg().OpenKey(hkey::kClassesRoot, ".CVNCONTRACT", platform::Registry::Access::Read,
                          ext),
            regerr::kSuccess);
  RegValue value;
  ASSERT_EQ(reg().QueryValue(ext, "", value), regerr::kSuccess);
  EXPECT_EQ(ToText(value.data), std::string("Corvane.contract") + '\0');
  reg().CloseKey(ext);
}

}  // namespace
}  // namespace cvn::test
