// resource_table_gen strings|string-ids|icons SCRIPT OUTPUT: reads the
// string table script or the icon script and writes the host build's table
// source, or the header of the strings' names. Any line it does not
// understand fails the build with "SCRIPT:LINE: error: ...", so nothing is
// dropped silently; so does a string without a name for string-ids.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "resources/gen/CppTableWriter.h"
#include "resources/gen/IconListParser.h"
#include "resources/gen/StringTableParser.h"

namespace {

std::optional<std::string> ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool WriteWhole(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  return static_cast<bool>(out.flush());
}

// What a table source came to: the source, or the error and its line.
struct Generated {
  std::string source;
  std::string error;
  int errorLine = 0;
};

template <typename Parsed, typename Write>
Generated Generate(const Parsed& parsed, Write write) {
  if (!parsed.ok()) return {"", parsed.error, parsed.errorLine};
  return {write(), "", 0};
}

// The first string that has no name, for the header that names them all.
const cvn::resources::StringEntry* FirstUnnamed(const std::vector<cvn::resources::StringEntry>& entries) {
  for (const cvn::resources::StringEntry& entry : entries) {
    if (entry.name.empty()) return &entry;
  }
  return nullptr;
}

Generated GenerateIds(const cvn::resources::ParsedStringTable& strings, const std::string& name) {
  if (!strings.ok()) return {"", strings.error, strings.errorLine};
  if (const cvn::resources::StringEntry* unnamed = FirstUnnamed(strings.entries)) {
    const std::string id = std::to_string(unnamed->id);
    return {"", "string " + id + " has no name: write it as NAMED(" + id + ", IDS_...)", 0};
  }
  return {cvn::resources::WriteStringIdsHeader(strings.entries, name), "", 0};
}

Generated GenerateFor(const std::string& kind, const std::string& content, const std::string& name) {
  if (kind == "string-ids") return GenerateIds(cvn::resources::ParseStringTable(content), name);
  if (kind == "icons") {
    const cvn::resources::ParsedIconList icons = cvn::resources::ParseIconList(content);
    return Generate(icons, [&] { return cvn::resources::WriteIconTableSource(icons.ids, name); });
  }
  const cvn::resources::ParsedStringTable strings = cvn::resources::ParseStringTable(content);
  return Generate(strings, [&] { return cvn::resources::WriteStringTableSource(strings.entries, name); });
}

}  // namespace

int main(int argc, char** argv) {
  const std::string kind = argc == 4 ? argv[1] : "";
  if (kind != "strings" && kind != "string-ids" && kind != "icons") {
    std::cerr << "usage: resource_table_gen strings|string-ids|icons SCRIPT OUTPUT\n";
    return 2;
  }
  const std::string script = argv[2];
  const std::string output = argv[3];
  const std::optional<std::string> content = ReadWhole(script);
  if (!content) {
    std::cerr << script << ": cannot be read\n";
    return 1;
  }
  const std::string name = std::filesystem::path(script).filename().string();
  const Generated table = GenerateFor(kind, *content, name);
  if (!table.error.empty()) {
    std::cerr << script;
    if (table.errorLine > 0) std::cerr << ':' << table.errorLine;
    std::cerr << ": error: " << table.error << '\n';
    return 1;
  }
  if (!WriteWhole(output, table.source)) {
    std::cerr << output << ": cannot be written\n";
    return 1;
  }
  return 0;
}
