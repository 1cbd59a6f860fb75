// Windows paths as the emulated machine resolves them: a drive letter and
// the folder names below its root, with "." and ".." already applied.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cvn::emulated {

struct WinPath {
  char drive = 'C';                // as written: GetFullPathName keeps its case
  std::vector<std::string> parts;  // below the root, case as written

  bool IsRoot() const { return parts.empty(); }
  // "C:\" for the root, "C:\A\B" otherwise.
  std::string Text() const;
  // Text() upper-cased: the key under which facts about the entry are kept.
  std::string Key() const;
  WinPath Parent() const;
  WinPath Child(std::string name) const;
  const std::string& Leaf() const { return parts.back(); }
  bool SameDrive(const WinPath& other) const;
};

// Resolves `path` as GetFullPathName does: forward and back slashes, a
// drive-relative or rooted path against `current`, "." and ".." (never above
// the root), trailing dots of each name dropped. Nothing for UNC paths and
// texts that are not paths.
std::optional<WinPath> ResolvePath(std::string_view path, const WinPath& current);

// True when `name` may name a file: not empty, no control characters and
// none of < > : " / \ | ? *.
bool IsValidFileName(std::string_view name);

bool HasWildcards(std::string_view name);

}  // namespace cvn::emulated
