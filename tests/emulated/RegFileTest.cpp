// The REGEDIT4 reader and writer of registry.reg.
#include "platform/emulated/RegFile.h"

#include <gtest/gtest.h>

#include "platform/Registry.h"

namespace cvn::emulated {
namespace {

using platform::Bytes;
using namespace std::string_literals;
namespace regtype = platform::regtype;

Bytes B(std::string_view text) { return Bytes(text.begin(), text.end()); }

const RegStoredValue* ValueAt(RegistryTree& tree, std::string_view key, std::string_view name) {
  RegNode* node = tree.Find(key);
  return node ? node->Value(name) : nullptr;
}

TEST(RegFileTest, ReadsEveryKindOfValue) {
  RegistryTree tree;
  const auto error = ReadRegFile(
      "REGEDIT4\r\n"
      "\r\n"
      "; a comment\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\App]\r\n"
      "@=\"default\"\r\n"
      "\"Path\"=\"C:\\\\App\\\\\"\r\n"
      "\"Quote\"=\"say \\\"hi\\\"\"\r\n"
      "\"Count\"=dword:0000002a\r\n"
      "\"Blob\"=hex:01,ff,\\\r\n"
      "  10\r\n"
      "\"Empty\"=hex:\r\n"
      "\"Expand\"=hex(2):25,54,4d,50,25,00\r\n"
      "\"Multi\"=hex(7):61,00,62,00,00\r\n"
      "\"None\"=hex(0):\r\n"
      "\"Odd\"=hex(1a):07\r\n",
      tree);
  ASSERT_FALSE(error) << error->line << ": " << error->message;
  const std::string key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\App";
  struct Expected {
    const char* name;
    uint32_t type;
    Bytes data;
  };
  const Expected expected[] = {
      {"", regtype::kString, B("default\0"s)},
      {"Path", regtype::kString, B("C:\\App\\\0"s)},
      {"Quote", regtype::kString, B("say \"hi\"\0"s)},
      {"Count", regtype::kDword, {0x2a, 0, 0, 0}},
      {"Blob", regtype::kBinary, {0x01, 0xff, 0x10}},
      {"Empty", regtype::kBinary, {}},
      {"Expand", regtype::kExpandString, B("%TMP%\0"s)},
      {"Multi", regtype::kMultiString, B("a\0b\0\0"s)},
      {"None", regtype::kNone, {}},
      {"Odd", 0x1a, {0x07}},
  };
  for (const auto& e : expected) {
    const auto* value = ValueAt(tree, key, e.name);
    ASSERT_TRUE(value) << e.name;
    EXPECT_EQ(value->type, e.type) << e.name;
    EXPECT_EQ(value->data, e.data) << e.name;
  }
}

TEST(RegFileTest, WritesWhatItReads) {
  RegistryTree tree;
  RegNode& app = tree.Root(RegRoot::CurrentUser).Create("Software\\App");
  app.SetValue("", regtype::kString, B("x\0"s));
  app.SetValue("Back\\slash \"q\"", regtype::kString, B("a\\b\"c\0"s));
  app.SetValue("NoZero", regtype::kString, B("abc"));  // no terminating zero: kept as hex(1)
  app.SetValue("Lines", regtype::kString, B("a\r\nb\0"s));
  app.SetValue("Dword", regtype::kDword, {1, 2, 3, 4});
  app.SetValue("ShortDword", regtype::kDword, {1, 2});
  Bytes big(100);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i);
  app.SetValue("Big", regtype::kBinary, big);
  tree.Root(RegRoot::Users).Create(".Default\\Empty\\Key");
  tree.Root(RegRoot::ClassesRoot).Create(".cdb").SetValue("", regtype::kString, B("Corvane.Database\0"s));

  const std::string text = WriteRegFile(tree);
  EXPECT_EQ(text.rfind("REGEDIT4\r\n", 0), 0u);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\App]\r\n@=\"x\"\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\"Dword\"=dword:04030201"), std::string::npos);
  EXPECT_NE(text.find("\"NoZero\"=hex(1):61,62,63"), std::string::npos);
  EXPECT_NE(text.find("[HKEY_CLASSES_ROOT\\.cdb]"), std::string::npos);
  EXPECT_EQ(text.find("Software\\Classes\\.cdb"), std::string::npos) << "classes are written once";

  RegistryTree again;
  ASSERT_FALSE(ReadRegFile(text, again));
  for (const auto& value : app.Values()) {
    const auto* read = ValueAt(again, "HKCU\\Software\\App", value.name);
    ASSERT_TRUE(read) << value.name;
    EXPECT_EQ(read->type, value.type) << value.name;
    EXPECT_EQ(read->data, value.data) << value.name;
  }
  EXPECT_TRUE(again.Find("HKEY_USERS\\.Default\\Empty\\Key"));
  EXPECT_TRUE(again.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.cdb"));
  EXPECT_EQ(WriteRegFile(again), text);
}

TEST(RegFileTest, RemovesKeysAndValues) {
  RegistryTree tree;
  ASSERT_FALSE(ReadRegFile("REGEDIT4\n"
                           "[HKCU\\A\\B]\n\"Keep\"=\"1\"\n\"Drop\"=\"2\"\n"
                           "[HKCU\\A\\C\\D]\n"
                           "[HKCU\\A\\B]\n\"Drop\"=-\n"
                           "[-HKCU\\A\\C]\n",
                           tree));
  EXPECT_TRUE(ValueAt(tree, "HKCU\\A\\B", "Keep"));
  EXPECT_FALSE(ValueAt(tree, "HKCU\\A\\B", "Drop"));
  EXPECT_FALSE(tree.Find("HKCU\\A\\C"));
}

TEST(RegFileTest, NamesAndRootsIgnoreCase) {
  RegistryTree tree;
  ASSERT_FALSE(ReadRegFile("REGEDIT4\n[hkey_local_machine\\Software\\X]\n\"Name\"=\"1\"\n"
                           "[HKLM\\SOFTWARE\\x]\n\"NAME\"=\"2\"\n",
                           tree));
  const RegNode* software = tree.Find("HKEY_LOCAL_MACHINE\\software");
  ASSERT_TRUE(software);
  EXPECT_EQ(software->Children().size(), 1u);
  const auto* value = ValueAt(tree, "HKLM\\Software\\X", "name");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->data, B("2\0"s));
  EXPECT_EQ(value->name, "Name") << "the first spelling stays";
}

TEST(RegFileTest, MalformedLinesAreReportedWithTheirNumber) {
  struct Case {
    const char* text;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"[HKEY_CURRENT_USER\\X]\n", 1, "not a REGEDIT4 file"},
      {"REGEDIT4\n\"A\"=\"1\"\n", 2, "value outside a key"},
      {"REGEDIT4\n[HKEY_NOWHERE\\X]\n", 2, "unknown registry root"},
      {"REGEDIT4\n[HKCU\\X\n", 2, "closing ']'"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"=\"unterminated\n", 3, "bad data"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"=\"bad \\q escape\"\n", 3, "bad data"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"=\"x\" trailing\n", 3, "bad data"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"=dword:123456789\n", 3, "bad data"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"=dword:\n", 3, "bad data"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"=hex:1,2,345\n", 3, "bad data"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"=hex(zz):00\n", 3, "bad data"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"=hex:01,\\\n  02,\\\n  0g\n\"B\"=\"1\"\n", 3, "bad data"},
      {"REGEDIT4\n[HKCU\\X]\n\"A\"\"1\"\n", 3, "missing '='"},
      {"REGEDIT4\n[HKCU\\X]\n\"A=\"1\"\n", 3, "missing '='"},
      {"REGEDIT4\n[HKCU\\X]\nA=1\n", 3, "unexpected text"},
  };
  for (const auto& c : cases) {
    RegistryTree tree;
    const auto error = ReadRegFile(c.text, tree);
    ASSERT_TRUE(error) << c.text;
    EXPECT_EQ(error->line, c.line) << c.text;
    EXPECT_NE(error->message.find(c.message), std::string::npos) << c.text << " gave " << error->message;
  }
}

}  // namespace
}  // namespace cvn::emulated
