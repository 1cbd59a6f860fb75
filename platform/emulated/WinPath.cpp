#include "platform/emulated/WinPath.h"

#include <algorithm>

#include "platform/emulated/Text.h"
#include "util/text/WindowsPath.h"

namespace cvn::emulated {

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool HasDrive(std::string_view path) { return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':'; }

// Windows drops trailing dots from each name ("dir." is "dir").
std::string_view WithoutTrailingDots(std::string_view name) {
  if (name == "." || name == "..") return name;
  while (!name.empty() && name.back() == '.') name.remove_suffix(1);
  return name;
}

void AppendParts(WinPath& path, std::string_view rest) {
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = start;
    while (end < rest.size() && !IsPathSeparator(rest[end])) ++end;
    const std::string_view name = WithoutTrailingDots(rest.substr(start, end - start));
    if (name == "..") {
      if (!path.parts.empty()) path.parts.pop_back();
    } else if (!name.empty() && name != ".") {
      path.parts.emplace_back(name);
    }
    start = end + 1;
  }
}

}  // namespace

std::string WinPath::Text() const {
  std::string text{drive, ':'};
  if (parts.empty()) return text + '\\';
  for (const auto& part : parts) text += '\\' + part;
  return text;
}

std::string WinPath::Key() const { return ToUpper(Text()); }

bool WinPath::SameDrive(const WinPath& other) const { return UpperChar(drive) == UpperChar(other.drive); }

WinPath WinPath::Parent() const {
  WinPath parent = *this;
  if (!parent.parts.empty()) parent.parts.pop_back();
  return parent;
}

WinPath WinPath::Child(std::string name) const {
  WinPath child = *this;
  child.parts.push_back(std::move(name));
  return child;
}

std::optional<WinPath> ResolvePath(std::string_view path, const WinPath& current) {
  if (path.empty()) return std::nullopt;
  if (path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) return std::nullopt;
  WinPath result;
  if (HasDrive(path)) {
    result.drive = path[0];
    path.remove_prefix(2);
    const bool rooted = !path.empty() && IsPathSeparator(path[0]);
    // A drive-relative path continues the current folder of that drive;
    // only the current drive has one here, the others start at their root.
    if (!rooted && result.SameDrive(current)) result.parts = current.parts;
  } else if (IsPathSeparator(path[0])) {
    result.drive = current.drive;
  } else {
    result = current;
  }
  AppendParts(result, path);
  return result;
}

bool IsValidFileName(std::string_view name) {
  if (name.empty()) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
  });
}

bool HasWildcards(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

}  // namespace cvn::emulated
