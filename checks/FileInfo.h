// The file information database (.fdb): one line per shipped file with its
// size in bytes and its date and time, "NAME, SIZE, YYYYMMDDhhmm".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/ConfigDatabase.h"
#include "config/FileInfoEntry.h"
#include "platform/Machine.h"
#include "platform/Types.h"

namespace cvn {

// The .fdb beside a .cdb: everything after the path's last '.' becomes
// "fdb". Empty when the path has no '.'.
std::string FileInfoPath(std::string_view cdbPath);

// The entry of one line; nothing for a line that is blank or a comment.
std::optional<FileInfoEntry> ParseFileInfoLine(std::string_view line);

// The line that ParseFileInfoLine reads back as `entry`.
std::string FormatFileInfoLine(const FileInfoEntry& entry);

// Appends one entry per line of the file at `path` to the database, in
// file order. 0, or platform::kEFail when the path is empty or the file
// cannot be read.
platform::HResult LoadFileInfo(platform::Machine& machine, ConfigDatabase& database, const std::string& path);

}  // namespace cvn
