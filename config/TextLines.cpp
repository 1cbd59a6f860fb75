#include "config/TextLines.h"

#include "config/EntryReader.h"

namespace cvn {

LineSplitter::LineSplitter(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\x1a'))) {}

bool LineSplitter::Next(std::string_view& line) {
  if (pos_ >= bytes_.size()) return false;
  size_t end = bytes_.find('\n', pos_);
  if (end == std::string_view::npos) end = bytes_.size();
  line = bytes_.substr(pos_, end - pos_);
  pos_ = end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  line = line.substr(0, line.find('\0'));
  return true;
}

std::string_view CleanLine(std::string_view line) {
  size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  line.remove_prefix(start);
  bool inQuotes = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') inQuotes = !inQuotes;
    if (line[i] == ';' && !inQuotes) {
      line = line.substr(0, i);
      break;
    }
  }
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

std::string_view HeaderName(std::string_view line) {
  size_t pos = 0;
  auto skipBlanks = [&] {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
  };
  skipBlanks();
  if (pos < line.size() && line[pos] == '[') ++pos;
  skipBlanks();
  const std::string_view rest = line.substr(pos);
  return rest.substr(0, rest.find(']'));
}

}  // namespace cvn
