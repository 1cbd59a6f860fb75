#include "util/text/WindowsPath.h"

namespace cvn {

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string joined(folder);
  if (!joined.empty() && !IsPathSeparator(joined.back())) joined += '\\';
  joined += name;
  return joined;
}

std::string FolderOf(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string_view::npos) return "";
  const bool driveRoot = slash == 2 && path[1] == ':';
  return std::string(path.substr(0, driveRoot ? slash + 1 : slash));
}

std::string FileNameOf(std::string_view path) {
  const size_t cut = path.find_last_of("\\/:");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace cvn
