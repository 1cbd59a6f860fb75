// The JSON of the fleet formats: any bytes give valid JSON, the ANSI code
// page is converted to UTF-8, the reader takes back what the writer wrote
// and refuses what is not JSON, and the tally counts machines.
#include <gtest/gtest.h>

#include <string>

#include "platform/emulated/EmulatedStrings.h"
#include "report/FleetSummary.h"
#include "report/JsonReader.h"
#include "report/JsonWriter.h"

namespace cvn {
namespace {

using namespace std::string_literals;

std::string Escaped(std::string_view text) {
  std::string out;
  AppendJsonString(out, text);
  return out;
}

TEST(JsonStringTest, EscapesWhatJsonForbidsAndReplacesInvalidUtf8) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"C:\\APP \"x\"", "C:\\\\APP \\\"x\\\""},
      {"a\tb\r\nc", "a\\tb\\r\\nc"},
      {"\x01\x1f\x7f"s + '\0', "\\u0001\\u001f\\u007f\\u0000"},
      {"\xC2\x85", "\\u0085"},                       // a C1 control
      {"caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 \xE2\x82\xAC"},  // valid UTF-8 stays
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"\xE9t\xE9", "\xEF\xBF\xBDt\xEF\xBF\xBD"},    // Windows-1252 bytes, unconverted
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},      // an overlong slash
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
      {"\xE2\x82", "\xEF\xBF\xBD\xEF\xBF\xBD"},      // cut short
      {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // above U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(Escaped(c.in), c.out) << c.in;
}

TEST(JsonStringTest, Windows1252BecomesUtf8) {
  emulated::EmulatedStrings strings;
  EXPECT_EQ(strings.AnsiToUtf8("Caf\xE9 \x80 \x93q\x94"), "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D");
  // Bytes the code page leaves undefined keep their C1 control, as Windows does.
  EXPECT_EQ(strings.AnsiToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
}

TEST(JsonRoundTripTest, EveryByteReadsBackAsItsConvertedText) {
  emulated::EmulatedStrings strings;
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  std::string out;
  JsonWriter json(out);
  json.BeginObject();
  json.Key("text");
  json.String(strings.AnsiToUtf8(all));
  json.Key("list");
  json.BeginArray();
  json.Number(-7);
  json.Bool(true);
  json.Null();
  json.BeginObject();
  json.EndObject();
  json.EndArray();
  json.EndObject();
  std::string error;
  const auto value = ParseJson(out, error);
  ASSERT_TRUE(value) << error << '\n' << out;
  EXPECT_EQ(value->TextOf("text"), strings.AnsiToUtf8(all));
  const JsonValue* list = value->Find("list");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->items.size(), 4u);
  EXPECT_EQ(list->items[0].number, -7);
  EXPECT_TRUE(list->items[1].boolean);
  EXPECT_EQ(list->items[3].kind, JsonValue::Kind::Object);
}

TEST(JsonReaderTest, DecodesEscapesAndRefusesWhatIsNotJson) {
  std::string error;
  const auto value = ParseJson(R"({"a": "\u00e9\ud83d\ude00\ud800x\/", "n": 1.5e2})", error);
  ASSERT_TRUE(value) << error;
  EXPECT_EQ(value->TextOf("a"), "\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBDx/");
  EXPECT_EQ(value->NumberOf("n", 0), 150);
  const std::string tooDeep = std::string(100, '[') + std::string(100, ']');
  for (const std::string& bad : std::initializer_list<std::string>{"", "{", "[1,]", "{\"a\" 1}", "01", "1.", "\"a\nb\"", "\"\\x\"", "tru",
                                "{} {}", "\"\\u12\"", tooDeep}) {
    EXPECT_FALSE(ParseJson(bad, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
}

TEST(FleetTallyTest, CountsEachMachineOncePerItemAndNamesTheFailures) {
  const std::string broken = R"({"schema": 1, "kind": "report", "loaded": true,
      "requirements": [{"name": "Video Colors", "level": 5}, {"name": "Mouse", "level": 0}],
      "sections": [{"name": "DLL Info", "items": [{"name": "a.dll", "level": 5}, {"name": "A.DLL", "level": 5},
                                                  {"name": "b.dll", "level": 2}, {"name": "ok.dll", "level": 0}]}]})";
  const std::string checked = R"({"schema": 1, "kind": "check", "loaded": true,
      "findings": [{"section": "DLL Info", "name": "b.dll", "level": 4}]})";
  FleetTally tally;
  tally.Add("pc1", broken);
  tally.Add("pc2", checked);
  tally.Add("pc3", R"({"schema": 1, "kind": "check", "loaded": false, "error": "no database"})");
  tally.Add("pc4", R"({"schema": 2, "loaded": true})");
  tally.Add("pc5", R"({"schema": 1, "kind": "check", "loaded": tr)");
  const FleetSummary summary = tally.Finish();
  EXPECT_EQ(summary.reports, 5u);
  EXPECT_EQ(summary.checked, 2u);
  ASSERT_EQ(summary.items.size(), 3u);
  const auto row = [](const FleetItem& i) {
    return i.section + "|" + i.name + "|" + std::to_string(i.problems) + "|" + std::to_string(i.warnings);
  };
  // Most problems, then most warnings; ties in the order first seen.
  EXPECT_EQ(row(summary.items[0]), "DLL Info|b.dll|1|1");
  EXPECT_EQ(row(summary.items[1]), "Minimum Requirements Info|Video Colors|1|0");
  EXPECT_EQ(row(summary.items[2]), "DLL Info|a.dll|1|0");
  ASSERT_EQ(summary.notLoaded.size(), 1u);
  EXPECT_EQ(summary.notLoaded[0].machine + ": " + summary.notLoaded[0].reason, "pc3: no database");
  ASSERT_EQ(summary.unreadable.size(), 2u);
  EXPECT_EQ(summary.unreadable[0].machine, "pc4");
  EXPECT_EQ(summary.unreadable[1].machine, "pc5");
}

}  // namespace
}  // namespace cvn
