#include "resources/gen/CppTableWriter.h"

namespace cvn::resources {
namespace {

// Octal with three digits, so that a following digit cannot extend it.
std::string OctalEscape(unsigned char c) {
  return {'\\', static_cast<char>('0' + (c >> 6)), static_cast<char>('0' + ((c >> 3) & 7)),
          static_cast<char>('0' + (c & 7))};
}

constexpr std::string_view kHead = R"(#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>

namespace cvn::resources {
namespace {

struct Entry {
  int id;
  const char* text;
};

// Ascending by id.
constexpr Entry kEntries[] = {
)";

constexpr std::string_view kTail = R"(};

}  // namespace

const char* FindString(int id) {
  const Entry* end = std::end(kEntries);
  const Entry* found = std::lower_bound(std::begin(kEntries), end, id,
                                        [](const Entry& e, int wanted) { return e.id < wanted; });
  return found != end && found->id == id ? found->text : nullptr;
}

}  // namespace cvn::resources
)";

// `text` as the body of a C++ string literal.
std::string CppLiteralBody(std::string_view text) {
  std::string body;
  for (const char c : text) {
    switch (c) {
      case '"': body += "\\\""; break;
      case '\\': body += "\\\\"; break;
      case '?': body += "\\?"; break;  // never part of a trigraph
      case '\t': body += "\\t"; break;
      case '\n': body += "\\n"; break;
      default:
        if (c >= 0x20 && c <= 0x7E) {
          body += c;
        } else {
          body += OctalEscape(static_cast<unsigned char>(c));
        }
    }
  }
  return body;
}

constexpr std::string_view kIconHead = R"(#include "resources/IconTable.h"

#include <algorithm>
#include <iterator>

namespace cvn::resources {
namespace {

// Ascending.
constexpr int kIcons[] = {
)";

constexpr std::string_view kIconTail = R"(};

}  // namespace

bool HasIcon(int id) { return std::binary_search(std::begin(kIcons), std::end(kIcons), id); }

}  // namespace cvn::resources
)";

constexpr std::string_view kIdsHead = R"(// The names of the program's numbered texts, as code passes them to
// LoadString and the message calls.
#pragma once

namespace cvn {

)";

constexpr std::string_view kIdsTail = R"(
}  // namespace cvn
)";

std::string GeneratedFrom(std::string_view scriptName) {
  return "// Generated from " + std::string(scriptName) + "; do not edit.\n";
}

}  // namespace

std::string WriteStringTableSource(const std::vector<StringEntry>& entries,
                                   std::string_view scriptName) {
  std::string source = GeneratedFrom(scriptName);
  source += kHead;
  for (const StringEntry& entry : entries) {
    source += "    {" + std::to_string(entry.id) + ", \"" + CppLiteralBody(entry.text) + "\"},\n";
  }
  source += kTail;
  return source;
}

std::string WriteStringIdsHeader(const std::vector<StringEntry>& entries, std::string_view scriptName) {
  std::string header = GeneratedFrom(scriptName);
  header += kIdsHead;
  for (const StringEntry& entry : entries) {
    header += "inline constexpr int " + entry.name + " = " + std::to_string(entry.id) + ";\n";
  }
  header += kIdsTail;
  return header;
}

std::string WriteIconTableSource(const std::vector<int>& ids, std::string_view scriptName) {
  std::string source = GeneratedFrom(scriptName);
  source += kIconHead;
  for (const int id : ids) source += "    " + std::to_string(id) + ",\n";
  source += kIconTail;
  return source;
}

}  // namespace cvn::resources
