#include "platform/emulated/Wildcard.h"

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

// Iterative glob match with one backtracking point per '*'.
bool Glob(std::string_view pattern, std::string_view name) {
  size_t p = 0;
  size_t n = 0;
  size_t starAt = std::string_view::npos;
  size_t resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || UpperChar(pattern[p]) == UpperChar(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesPattern(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*") pattern = "*";
  if (Glob(pattern, name)) return true;
  if (pattern.empty() || pattern.back() != '.' || name.find('.') != std::string_view::npos) return false;
  while (!pattern.empty() && pattern.back() == '.') pattern.remove_suffix(1);
  return !pattern.empty() && Glob(pattern, name);
}

}  // namespace cvn::emulated
