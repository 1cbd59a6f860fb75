// The parts of a Windows path as text, for every layer: joining a folder and
// a name, the folder of a path and its last name. Nothing here looks at a
// disk; a drive root keeps its backslash, since "C:" alone names the current
// folder of drive C.
#pragma once

#include <string>
#include <string_view>

namespace cvn {

// The separators of a Windows path: '\' and '/'.
bool IsPathSeparator(char c);

// `folder` and `name` with one backslash between them; `name` alone when
// `folder` is empty.
std::string JoinPath(std::string_view folder, std::string_view name);

// The text before the last separator, with the backslash of a drive root
// ("C:\x" gives "C:\"); empty when the path has no separator.
std::string FolderOf(std::string_view path);

// The text after the last separator or drive colon: the whole path when it
// has neither.
std::string FileNameOf(std::string_view path);

}  // namespace cvn
