#include "resources/gen/IconListParser.h"

#include <algorithm>
#include <charconv>

namespace cvn::resources {
namespace {

constexpr int kMaxId = 65535;
constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Removes block comments (tracking `inComment` across lines) and a trailing
// // comment from one line.
std::string StripComments(std::string_view line, bool& inComment) {
  std::string kept;
  size_t pos = 0;
  while (pos < line.size()) {
    if (inComment) {
      const size_t end = line.find("*/", pos);
      if (end == std::string_view::npos) return kept;
      inComment = false;
      pos = end + 2;
    } else if (line.substr(pos).starts_with("/*")) {
      inComment = true;
      pos += 2;
    } else if (line.substr(pos).starts_with("//")) {
      return kept;
    } else {
      kept += line[pos++];
    }
  }
  return kept;
}

// The number of a `number ICON "file"` line, or an error text.
bool ReadIconLine(std::string_view line, int& id, std::string& error) {
  const char* end = line.data() + line.size();
  const auto [rest, ec] = std::from_chars(line.data(), end, id);
  if (ec != std::errc() || rest == line.data() || id < 1 || id > kMaxId) {
    error = "expected an icon number from 1 to " + std::to_string(kMaxId);
    return false;
  }
  std::string_view tail(rest, static_cast<size_t>(end - rest));
  const size_t keywordAt = tail.find_first_not_of(kBlanks);
  if (keywordAt == 0 || keywordAt == std::string_view::npos || !tail.substr(keywordAt).starts_with("ICON")) {
    error = "expected `number ICON \"file\"`";
    return false;
  }
  const std::string_view file = Trim(tail.substr(keywordAt + 4));
  if (file.size() < 3 || file.front() != '"' || file.back() != '"' || file == "\"\"" ||
      file.substr(1, file.size() - 2).find('"') != std::string_view::npos) {
    error = "expected one quoted file name after ICON";
    return false;
  }
  return true;
}

}  // namespace

ParsedIconList ParseIconList(std::string_view script) {
  ParsedIconList result;
  bool inComment = false;
  int lineNumber = 0;
  while (!script.empty()) {
    ++lineNumber;
    const size_t newline = script.find('\n');
    const std::string_view raw = script.substr(0, newline);
    script = newline == std::string_view::npos ? std::string_view() : script.substr(newline + 1);
    const std::string line = StripComments(raw, inComment);
    const std::string_view content = Trim(line);
    if (content.empty()) continue;
    int id = 0;
    std::string error;
    if (!ReadIconLine(content, id, error)) {
      return {{}, error, lineNumber};
    }
    if (std::find(result.ids.begin(), result.ids.end(), id) != result.ids.end()) {
      return {{}, "icon " + std::to_string(id) + " is listed twice", lineNumber};
    }
    result.ids.push_back(id);
  }
  if (inComment) return {{}, "comment not closed", lineNumber};
  if (result.ids.empty()) return {{}, "no icon listed", lineNumber};
  std::sort(result.ids.begin(), result.ids.end());
  return result;
}

}  // namespace cvn::resources
