#include "checks/FileInfo.h"

#include <limits>

#include "config/EntryReader.h"
#include "config/TextLines.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

// The leading decimal digits of a field, held at the largest 32-bit value
// rather than wrapping.
uint32_t ReadSizeToken(std::string_view field) {
  uint64_t value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') break;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > std::numeric_limits<uint32_t>::max()) return std::numeric_limits<uint32_t>::max();
  }
  return static_cast<uint32_t>(value);
}

}  // namespace

std::string FileInfoPath(std::string_view cdbPath) {
  const size_t dot = cdbPath.find_last_of('.');
  if (dot == std::string_view::npos) return "";
  return std::string(cdbPath.substr(0, dot + 1)) + "fdb";
}

std::optional<FileInfoEntry> ParseFileInfoLine(std::string_view line) {
  const std::string_view cleaned = CleanLine(line);
  if (cleaned.empty()) return std::nullopt;
  EntryReader reader(cleaned);
  FileInfoEntry entry;
  entry.name = reader.ReadName();
  entry.size = ReadSizeToken(reader.ReadField());
  entry.date = ReadTimestamp(reader.ReadField());
  return entry;
}

std::string FormatFileInfoLine(const FileInfoEntry& entry) {
  return entry.name + ", " + std::to_string(entry.size) + ", " + FormatTimestamp(entry.date);
}

platform::HResult LoadFileInfo(platform::Machine& machine, ConfigDatabase& database, const std::string& path) {
  if (path.empty()) return platform::kEFail;
  const auto bytes = machine.Files().ReadFile(path);
  if (!bytes) return platform::kEFail;
  const std::string text(bytes->begin(), bytes->end());
  LineSplitter lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    if (auto entry = ParseFileInfoLine(line)) database.AddFileInfo(std::move(*entry));
  }
  return platform::kSOk;
}

}  // namespace cvn
