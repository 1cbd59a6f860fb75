// Checks a .cdb for what the loader silently reads otherwise than the
// vendor meant: a misspelt section or key, a value read as its default, a
// shifted field, an undefined location code. Each finding has its line and
// says what Corvane will do instead.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cvn {

enum class LintSeverity { Error, Warning };

struct LintFinding {
  size_t line = 0;  // 1-based; 0 only for a finding about an empty file
  LintSeverity severity = LintSeverity::Warning;
  std::string text;
};

// The file information database beside the .cdb, when there is one.
struct LintFileInfo {
  std::string title;                            // its file name, for the texts
  std::function<bool(std::string_view)> lists;  // true when it lists that file
};

// The findings of the .cdb `bytes`, in line order. `fileInfo` may be null.
std::vector<LintFinding> LintDatabase(std::string_view bytes, const LintFileInfo* fileInfo);

}  // namespace cvn
