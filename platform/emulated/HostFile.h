// Whole-file reads and writes on the host, without exceptions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace cvn::emulated {

std::optional<std::string> ReadHostFile(const std::filesystem::path& file);
// Up to `length` bytes from `offset` on; fewer at the end of the file.
std::optional<std::string> ReadHostFilePart(const std::filesystem::path& file, uint64_t offset, size_t length);
bool WriteHostFile(const std::filesystem::path& file, std::string_view data);
// Writes beside the file and renames over it, so that a failed write never
// leaves half a file.
bool WriteHostFileAtomically(const std::filesystem::path& file, std::string_view data);

// The host's modification time as a FILETIME, and back.
platform::FileTime HostLastWriteTime(const std::filesystem::path& path);
bool SetHostLastWriteTime(const std::filesystem::path& path, platform::FileTime time);

}  // namespace cvn::emulated
