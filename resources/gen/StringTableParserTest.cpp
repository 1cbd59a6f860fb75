#include "resources/gen/StringTableParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "resources/StringTable.h"

namespace cvn::resources {
namespace {

std::string InBlock(const std::string& lines) { return "STRINGTABLE\nBEGIN\n" + lines + "END\n"; }
std::string Named(const std::string& lines) { return std::string(kNamedDefinition) + "\n" + InBlock(lines); }

struct ReadCase {
  const char* name;
  std::string script;
  std::vector<StringEntry> expected;
};

TEST(StringTableParserTest, ReadsTextsAsWindresDoes) {
  const ReadCase cases[] = {
      {"with and without comma", InBlock("  1, \"a\"\n  2 \"b\"\n  3,\"c\"\n"), {{1, "a"}, {2, "b"}, {3, "c"}}},
      {"doubled quote", InBlock("7, \"say \"\"hi\"\"\"\n"), {{7, "say \"hi\""}}},
      {"escapes", InBlock("7, \"a\\tb\\nc\\\\d\"\n"), {{7, "a\tb\nc\\d"}}},
      {"blanks at both ends", InBlock("7, \"  x  \"\n"), {{7, "  x  "}}},
      {"empty text", InBlock("7, \"\"\n"), {{7, ""}}},
      {"slashes inside a text", InBlock("7, \"a // b\" // note\n"), {{7, "a // b"}}},
      {"comments, blank lines and CR LF",
       "// head\r\n\r\nSTRINGTABLE // table\r\nBEGIN\r\n  // group\r\n  1, \"a\"\r\n\r\nEND\r\n"
       "// tail\r\n",
       {{1, "a"}}},
      {"no line end after END", "STRINGTABLE\nBEGIN\n65535, \"z\"\nEND", {{65535, "z"}}},
      {"named and unnamed",
       Named("  NAMED(7, IDS_SEVEN), \"seven\"\n  NAMED( 8 ,IDS_8_B ) \"b\"\n  9, \"c\"\n"),
       {{7, "seven", "IDS_SEVEN"}, {8, "b", "IDS_8_B"}, {9, "c", ""}}},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ParsedStringTable table = ParseStringTable(c.script);
    EXPECT_EQ(table.error, "");
    EXPECT_EQ(table.entries, c.expected);
  }
}

struct FailCase {
  const char* name;
  std::string script;
  int line;
  std::string error;  // how the message begins
};

TEST(StringTableParserTest, RejectsWhatItDoesNotUnderstand) {
  const FailCase cases[] = {
      {"unknown escape", InBlock("1, \"a\\qb\"\n"), 3, "unsupported escape \\q"},
      {"backslash quote", InBlock("1, \"a\\\"b\"\n"), 3, "unsupported escape \\\""},
      {"octal escape", InBlock("1, \"\\101\"\n"), 3, "unsupported escape \\1"},
      {"backslash at the end", InBlock("1, \"a\\\n"), 3, "backslash at the end"},
      {"open text", InBlock("1, \"a\n"), 3, "text not closed"},
      {"text over two lines", InBlock("1, \"a\nb\"\n"), 3, "text not closed"},
      {"non-ASCII byte", InBlock("1, \"caf\xE9\"\n"), 3, "character 0xE9"},
      {"raw tab", InBlock("1, \"a\tb\"\n"), 3, "character 0x09"},
      {"joined texts", InBlock("1, \"a\" \"b\"\n"), 3, "unexpected text after"},
      {"no text", InBlock("1, a\n"), 3, "expected a quoted text after id 1"},
      {"symbolic id", InBlock("IDS_A, \"a\"\n"), 3, "expected `id, \"text\"`, `NAMED(id, IDS_NAME)"},
      {"name without its definition", InBlock("NAMED(1, IDS_A), \"a\"\n"), 3, "NAMED is used before"},
      {"name not IDS_", Named("NAMED(1, IDA), \"a\"\n"), 4, "a string's name is IDS_"},
      {"lower-case name", Named("NAMED(1, IDS_a), \"a\"\n"), 4, "a string's name is IDS_"},
      {"name twice", Named("NAMED(1, IDS_A), \"a\"\nNAMED(2, IDS_A), \"b\"\n"), 5, "the name IDS_A is given twice"},
      {"unclosed NAMED", Named("NAMED(1, IDS_A, \"a\"\n"), 4, "expected ')'"},
      {"id too large", InBlock("65536, \"a\"\n"), 3, "string id above 65535"},
      {"repeated id", InBlock("5, \"a\"\n5, \"b\"\n"), 4, "id 5 does not follow id 5"},
      {"descending ids", InBlock("5, \"a\"\n4, \"b\"\n"), 4, "id 4 does not follow id 5"},
      {"block comment", "/* strings */\n" + InBlock("1, \"a\"\n"), 1, "expected STRINGTABLE"},
      {"preprocessor line", "#include \"x.h\"\n" + InBlock("1, \"a\"\n"), 1, "expected STRINGTABLE"},
      {"braces", "STRINGTABLE\n{\n1, \"a\"\n}\n", 2, "expected BEGIN"},
      {"missing END", "STRINGTABLE\nBEGIN\n1, \"a\"\n", 3, "missing END"},
      {"second table", InBlock("1, \"a\"\n") + InBlock("2, \"b\"\n"), 5, "nothing may follow"},
      {"no table", "// nothing\n", 1, "no STRINGTABLE"},
      {"empty table", InBlock(""), 3, "the string table holds no string"},
  };
  for (const FailCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ParsedStringTable table = ParseStringTable(c.script);
    EXPECT_FALSE(table.ok());
    EXPECT_TRUE(table.entries.empty());
    EXPECT_EQ(table.errorLine, c.line);
    EXPECT_EQ(table.error.substr(0, c.error.size()), c.error) << table.error;
  }
}

std::string ReadScript() {
  std::ifstream in(CORVANE_STRING_TABLE_SCRIPT, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The generated table answers every id exactly as the script reads.
TEST(StringTableParserTest, GeneratedTableMatchesTheScript) {
  const ParsedStringTable table = ParseStringTable(ReadScript());
  ASSERT_TRUE(table.ok()) << table.error;
  std::set<int> ids;
  for (const StringEntry& entry : table.entries) {
    ids.insert(entry.id);
    const char* found = FindString(entry.id);
    ASSERT_NE(found, nullptr) << entry.id;
    EXPECT_EQ(found, entry.text) << entry.id;
  }
  for (int id = -1; id <= 65536; ++id) {
    if (!ids.contains(id)) {
      EXPECT_EQ(FindString(id), nullptr) << id;
    }
  }
}

}  // namespace
}  // namespace cvn::resources
