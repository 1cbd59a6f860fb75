#include "checks/SettingMatch.h"

#include "config/PathSpec.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

constexpr std::string_view kAnyValue = "*";

// A letter followed by ':' or '|'.
bool StartsLikePath(std::string_view text) {
  if (text.size() < 2) return false;
  const char c = text[0];
  const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  return letter && (text[1] == ':' || text[1] == '|');
}

std::string ExpandedWithoutTrailingBackslash(RunContext& context, std::string_view text) {
  std::string expanded = PathSpec(context, text).Text();
  if (!expanded.empty() && expanded.back() == '\\') expanded.pop_back();
  return expanded;
}

struct SplitPath {
  std::string path;
  std::string remainder;
};

// Splits at a space or comma into a path and a remainder, the path in its
// short form where the system gives one. The split is the first one whose
// path exists (so "C:\Program Files\App\app.exe /s" keeps the blank of
// its folder), else the first space or comma.
SplitPath SplitAndShorten(platform::FileSystem& files, const std::string& text) {
  const size_t firstSplit = text.find_first_of(" ,");
  for (size_t at = firstSplit;; at = text.find_first_of(" ,", at + 1)) {
    const std::string path = text.substr(0, at);
    const std::string shortPath = files.ShortPathName(path);
    if (!shortPath.empty()) return {shortPath, at == std::string::npos ? "" : text.substr(at)};
    if (at == std::string::npos) break;
  }
  if (firstSplit == std::string::npos) return {text, ""};
  return {text.substr(0, firstSplit), text.substr(firstSplit)};
}

bool SameBytes(const platform::Bytes& live, std::string_view acceptable) {
  const platform::Bytes expected = ReadRegistryData(acceptable);
  return !expected.empty() && expected == live;
}

bool Contains(std::string_view live, std::string_view acceptable) {
  return ToLower(live).find(ToLower(acceptable)) != std::string::npos;
}

}  // namespace

bool SamePathValue(RunContext& context, std::string_view live, std::string_view acceptable) {
  const std::string a = ExpandedWithoutTrailingBackslash(context, live);
  const std::string b = ExpandedWithoutTrailingBackslash(context, acceptable);
  if (EqualsNoCase(a, b)) return true;
  platform::FileSystem& files = context.machine.Files();
  const SplitPath sa = SplitAndShorten(files, a);
  const SplitPath sb = SplitAndShorten(files, b);
  return EqualsNoCase(sa.path, sb.path) && EqualsNoCase(sa.remainder, sb.remainder);
}

MatchResult MatchSetting(RunContext& context, const SettingItem& item, const LiveValue& live) {
  const bool containsMode = !item.valueText.empty() && item.valueText.front() == '{';
  for (const std::string& acceptable : item.expectedValues) {
    if (acceptable == kAnyValue) return live.IsBlank() ? MatchResult::Blank : MatchResult::Accepted;
    if (live.data) {
      if (SameBytes(*live.data, acceptable)) return MatchResult::Accepted;
      continue;
    }
    const bool matched = containsMode ? Contains(live.text, acceptable)
                                      : EqualsNoCase(live.text, acceptable);
    if (matched) return MatchResult::Accepted;
    if (StartsLikePath(live.text) && SamePathValue(context, live.text, acceptable)) {
      return MatchResult::Accepted;
    }
  }
  return MatchResult::NotAccepted;
}

}  // namespace cvn
