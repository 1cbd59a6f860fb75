// string_table_gen SCRIPT OUTPUT: reads the string table script and writes
// the host build's table source. Any line it does not understand fails the
// build with "SCRIPT:LINE: error: ...", so no string is dropped silently.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "resources/gen/CppTableWriter.h"
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: string_table_gen SCRIPT OUTPUT\n";
    return 2;
  }
  const std::string script = argv[1];
  const std::string output = argv[2];
  const std::optional<std::string> content = ReadWhole(script);
  if (!content) {
    std::cerr << script << ": cannot be read\n";
    return 1;
  }
  const cvn::resources::ParsedStringTable table = cvn::resources::ParseStringTable(*content);
  if (!table.ok()) {
    std::cerr << script << ':' << table.errorLine << ": error: " << table.error << '\n';
    return 1;
  }
  const std::string name = std::filesystem::path(script).filename().string();
  if (!WriteWhole(output, cvn::resources::WriteStringTableSource(table.entries, name))) {
    std::cerr << output << ": cannot be written\n";
    return 1;
  }
  return 0;
}
