// Where the usage database lives, and how it is replaced: the new content
// goes to the working copy (".ubk") first, and only a complete working copy
// is moved over the usage database, in one step, so that one complete file
// exists at every moment.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "util/text/ColumnWriter.h"

namespace cvn {

// `path` with the extension of its file name replaced by `extension`;
// nothing when the file name has no '.'.
std::optional<std::string> WithExtension(std::string_view path, std::string_view extension);

// "Corvane.cdb" gives "Corvane.udb".
inline std::optional<std::string> UsageDatabasePath(std::string_view configPath) {
  return WithExtension(configPath, "udb");
}
// "Corvane.udb" gives "Corvane.ubk".
inline std::optional<std::string> WorkingCopyPath(std::string_view usagePath) {
  return WithExtension(usagePath, "ubk");
}

enum class ReplaceResult { Replaced, CannotCreate, CannotWrite, CannotMove };

// Writes `content` to `workingCopy` and moves it over `target` with a
// replacing move. On any failure the working copy is deleted and `target`
// is left as it was, except when a failed move had already deleted
// `target` (a platform without a replacing move): the complete working
// copy then stays for RecoverWorkingCopy.
ReplaceResult ReplaceInOneStep(platform::FileSystem& files, const std::string& target,
                               const std::string& workingCopy, const TextFile& content);

// When `target` is missing and `workingCopy` is complete (it holds its
// "[End]" line), moves the working copy into its place. False when that move
// fails; true when there was nothing to recover or it was recovered.
bool RecoverWorkingCopy(platform::FileSystem& files, const std::string& target, const std::string& workingCopy);

}  // namespace cvn
