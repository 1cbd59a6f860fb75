// The field tokenizer of database entries.
#include "config/EntryReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cvn {
namespace {

using Strings = std::vector<std::string>;

// Marks the values the reader hands to the path resolver.
std::string Resolved(const std::string& path) { return "<" + path + ">"; }

TEST(ConfigEntryReaderTest, KeyAndRest) {
  const struct {
    const char* entry;
    const char* key;
    const char* rest;
  } cases[] = {
      {"AppName = Foo Bar", "AppName", "Foo Bar"},
      {"  Key=  =value", "Key", "=value"},
      {"NoEquals here", "NoEquals here", ""},
      {"Key =", "Key", ""},
      {"= value", "", "value"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EntryReader reader(c.entry);
    EXPECT_EQ(reader.ReadKey(), c.key) << c.entry;
    EXPECT_EQ(reader.ReadRest(), c.rest) << c.entry;
    EXPECT_TRUE(reader.AtEnd());
  }
}

TEST(ConfigEntryReaderTest, FieldsQuotedAndPlain) {
  EntryReader reader(R"( "a, b" , plain text , "unterminated, rest)");
  EXPECT_EQ(reader.ReadField(), "a, b");
  EXPECT_EQ(reader.ReadField(), "plain text ");
  EXPECT_EQ(reader.ReadField(), "unterminated, rest");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadField(), "");
  EXPECT_EQ(reader.ReadCode(), '\0');
  EXPECT_FALSE(reader.ReadFlag());
}

TEST(ConfigEntryReaderTest, NameStopsAtCharactersNotAllowedInFileNames) {
  const struct {
    const char* entry;
    const char* name;
  } cases[] = {
      {"FOO.DLL, S", "FOO.DLL"},
      {"my file (1).dll ,x", "my file (1).dll "},
      {"a!#$%&'()+-.;=[]^_`~@b,", "a!#$%&'()+-.;=[]^_`~@b"},
      {"dir\\file.dll", "dir"},
      {"a:b", "a"},
      {"w*", "w"},
      {"\xe9t\xe9.dll", "\xe9t\xe9.dll"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(EntryReader(c.entry).ReadName(), c.name) << c.entry;
}

TEST(ConfigEntryReaderTest, CodesAndFlags) {
  EntryReader reader("S, , 2x y,Yes,no, True,1,0,t");
  EXPECT_EQ(reader.ReadCode(), 'S');
  EXPECT_EQ(reader.ReadCode(), ',');  // empty field
  EXPECT_EQ(reader.ReadCode(), '2');  // ends at the blank
  EXPECT_EQ(reader.ReadCode(), 'y');
  EXPECT_TRUE(reader.ReadFlag());
  EXPECT_FALSE(reader.ReadFlag());
  EXPECT_TRUE(reader.ReadFlag());
  EXPECT_TRUE(reader.ReadFlag());
  EXPECT_FALSE(reader.ReadFlag());
  EXPECT_TRUE(reader.ReadFlag());
  EXPECT_TRUE(reader.AtEnd());
}

TEST(ConfigEntryReaderTest, GuidsFullPartialAndEmpty) {
  EntryReader reader(
      "{00020420-0000-0000-C000-000000000046}, {12345678-9ABC-DEF0-1234-56789abcdef0},"
      "{1234-zz}");
  const Guid first = reader.ReadGuid();
  EXPECT_EQ(first.data1, 0x00020420u);
  EXPECT_EQ(first.data4[0], 0xC0);
  EXPECT_EQ(first.data4[7], 0x46);
  EXPECT_EQ(FormatGuid(reader.ReadGuid()), "{12345678-9ABC-DEF0-1234-56789ABCDEF0}");
  const Guid partial = reader.ReadGuid();
  EXPECT_EQ(partial.data1, 0x1234u);
  EXPECT_EQ(partial.data2, 0);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_TRUE(reader.ReadGuid().IsZero());
}

TEST(ConfigEntryReaderTest, AGuidFieldRunsToTheNextClosingBrace) {
  // A GUID field is not cut at a comma: an empty field takes the next
  // GUID with it, and both read as zero.
  EntryReader reader(", {12345678-9ABC-DEF0-1234-56789abcdef0}");
  EXPECT_TRUE(reader.ReadGuid().IsZero());
  EXPECT_TRUE(reader.AtEnd());
}

TEST(ConfigEntryReaderTest, GuidFieldsKeepToTheirOwnBytes) {
  // Each pair fills one byte and only that one: the over-long last group
  // does not spill beyond the eighth byte.
  const Guid guid = ParseGuid("{FFFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFFFFFF}");
  EXPECT_EQ(guid.data1, 0xFFFFFFFFu);
  EXPECT_EQ(guid.data2, 0);  // the ninth F of the first group breaks the match
  const Guid wide = ParseGuid("{01234567-89AB-CDEF-0102-030405060708090A}");
  EXPECT_EQ(FormatGuid(wide), "{01234567-89AB-CDEF-0102-030405060708}");
}

TEST(ConfigEntryReaderTest, VersionLists) {
  const struct {
    const char* entry;
    Strings accepted;
    Strings rejected;
  } cases[] = {
      {"4.21.7022, -4.0", {"4.21.7022"}, {"4.0"}},
      {" 1.0 2.0,,-3.0 +4 ", {"1.0", "2.0", "+4"}, {"3.0"}},
      {"", {}, {}},
      {"1.0 beta 2.0", {"1.0"}, {}},
  };
  for (const auto& c : cases) {
    EntryReader reader(c.entry);
    const VersionLists lists = reader.ReadVersionList();
    EXPECT_EQ(lists.accepted, c.accepted) << c.entry;
    EXPECT_EQ(lists.rejected, c.rejected) << c.entry;
    EXPECT_TRUE(reader.AtEnd());
  }
}

TEST(ConfigEntryReaderTest, ValueLists) {
  const struct {
    const char* entry;
    Strings values;
    const char* text;
    const char* next;  // the field after the value list
  } cases[] = {
      {R"([ "a", "b" ], Y)", {"a", "b"}, R"([ "a", "b" ])", "Y"},
      {"{abc}, N", {"abc"}, "{abc}", "N"},
      {"abc, Y", {"abc"}, "abc", "Y"},
      {"abcY, N", {"abcY"}, "abcY", "N"},
      {R"("x;y", Y)", {"x;y"}, "x;y", "Y"},
      {R"("say \"hi\"", Y)", {R"(say "hi")"}, R"(say "hi")", "Y"},
      {R"("a\b", Y)", {R"(a\b)"}, R"(a\b)", "Y"},
      {"*, Y", {"*"}, "*", "Y"},
      {"[a,,b], Y", {"a", "b"}, "[a,,b]", "Y"},
      {"[], Y", {}, "[]", "Y"},
      {", Y", {}, "", "Y"},
      {"[ unterminated", {"unterminated"}, "[ unterminated", ""},
      {R"(["open)", {"open"}, R"(["open)", ""},
  };
  for (const auto& c : cases) {
    EntryReader reader(c.entry);
    const ValueList list = reader.ReadValueList(Resolved);
    EXPECT_EQ(list.values, c.values) << c.entry;
    EXPECT_EQ(list.text, c.text) << c.entry;
    EXPECT_EQ(reader.ReadField(), c.next) << c.entry;
  }
}

TEST(ConfigEntryReaderTest, PathLikeValuesGoThroughTheResolver) {
  EntryReader reader(R"([ "W|a.dll", 1|b, x ], "C:\Dir")");
  const ValueList list = reader.ReadValueList(Resolved);
  EXPECT_EQ(list.values, (Strings{"<W|a.dll>", "<1|b>", "x"}));
  EXPECT_EQ(list.text, R"([ "W|a.dll", 1|b, x ])");
  const ValueList single = EntryReader(R"("C:\Dir", Y)").ReadValueList(Resolved);
  EXPECT_EQ(single.values, (Strings{"<C:\\Dir>"}));
  EXPECT_EQ(single.text, "<C:\\Dir>");
}

TEST(ConfigEntryReaderTest, NoReaderRunsPastTheEntry) {
  // Every reader on every suffix of awkward entries ends inside the text.
  const std::string entries[] = {"\"", "[\"\\", "{", ",,,", "a=", "[\"a\\\"", "{1234-", " \t"};
  for (const std::string& entry : entries) {
    for (size_t cut = 0; cut <= entry.size(); ++cut) {
      const std::string_view text = std::string_view(entry).substr(cut);
      EntryReader reader(text);
      reader.ReadValueList(Resolved);
      reader.ReadField();
      reader.ReadName();
      reader.ReadGuid();
      reader.ReadCode();
      reader.ReadKey();
      reader.ReadVersionList();
      EXPECT_LE(reader.Position(), text.size()) << entry;
    }
  }
}

TEST(ConfigEntryReaderTest, UnescapeOnlyTouchesQuotes) {
  EXPECT_EQ(UnescapeQuotes(R"(a\"b\c\\"d\)"), R"(a"b\c\"d\)");
}

}  // namespace
}  // namespace cvn
