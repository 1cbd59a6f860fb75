#include "platform/emulated/ShortName.h"

#include <algorithm>

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

constexpr std::string_view kReplaced = "+,;=[]";

bool IsShortNameChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 0x80) return true;
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("!#$%&'()-@^_`{}~").find(c) != std::string_view::npos;
}

bool IsShortPart(std::string_view part, size_t maxLength) {
  return part.size() <= maxLength && std::all_of(part.begin(), part.end(), IsShortNameChar);
}

// The characters of a short name taken from a long one.
std::string CleanPart(std::string_view part) {
  std::string clean;
  for (char c : part) {
    if (c == ' ' || c == '.') continue;
    clean += kReplaced.find(c) != std::string_view::npos ? '_' : UpperChar(c);
  }
  return clean;
}

}  // namespace

bool IsShortName(std::string_view name) {
  if (name == "." || name == "..") return true;
  const size_t dot = name.find('.');
  const std::string_view base = name.substr(0, dot);
  if (base.empty() || !IsShortPart(base, 8)) return false;
  if (dot == std::string_view::npos) return true;
  const std::string_view extension = name.substr(dot + 1);
  return !extension.empty() && IsShortPart(extension, 3);
}

std::string MakeShortName(std::string_view longName,
                          const std::function<bool(const std::string&)>& taken) {
  std::string_view stem = longName;
  while (!stem.empty() && stem.front() == '.') stem.remove_prefix(1);
  const size_t dot = stem.rfind('.');
  std::string base = CleanPart(stem.substr(0, dot));
  std::string extension = dot == std::string_view::npos ? "" : CleanPart(stem.substr(dot + 1));
  if (base.empty()) base = "_";
  extension = extension.substr(0, 3);
  for (unsigned n = 1;; ++n) {
    const std::string tail = "~" + std::to_string(n);
    std::string candidate = base.substr(0, 8 - std::min<size_t>(tail.size(), 7)) + tail;
    if (!extension.empty()) candidate += "." + extension;
    if (!taken(candidate)) return candidate;
  }
}

}  // namespace cvn::emulated
