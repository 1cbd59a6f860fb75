#include "usage/UsageLines.h"

#include <algorithm>

#include "config/EntryReader.h"
#include "config/TextCase.h"

namespace cvn {

namespace {

// A line is never narrower than this, so that short lines are laid out as
// the format says.
constexpr int32_t kLineWidth = 1000;
constexpr std::string_view kIndent = "   ";

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

// The stamp before the first '=' of a snapshot line, and what follows it.
bool SplitSnapshot(std::string_view rawLine, std::string& stamp, std::string_view& rest) {
  const size_t equals = rawLine.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view key = Trim(rawLine.substr(0, equals));
  if (!IsTimestamp(key)) return false;
  stamp = key;
  rest = rawLine.substr(equals + 1);
  return true;
}

// A size in bytes as the format writes it ("%lu" of 32 bits).
std::optional<uint32_t> ReadUsageSize(std::string_view text) {
  if (!AllDigits(text) || text.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) value = value * 10 + static_cast<uint64_t>(c - '0');
  if (value > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(value);
}

}  // namespace

UsageHeader ReadUsageHeader(std::string_view name) {
  if (EqualsNoCase(name, "End")) return {UsageSection::End};
  if (EqualsNoCase(name, "Preferences")) return {UsageSection::Preferences};
  if (EqualsNoCase(name, StandardSectionName(SectionId::DirectoryInfo))) return {UsageSection::DirectoryInfo};
  for (const SectionId id : kRecordedSections) {
    if (!EqualsNoCase(name, StandardSectionName(id))) continue;
    if (id == SectionId::IniInfo) return {UsageSection::IniSettings, id};
    if (id == SectionId::RegistryInfo) return {UsageSection::RegistrySettings, id};
    return {UsageSection::Files, id};
  }
  return {};
}

bool IsSnapshotLine(std::string_view rawLine) { return !rawLine.empty() && IsBlank(rawLine.front()); }

bool IsTimestamp(std::string_view text) {
  if (text.size() != 12 || !AllDigits(text)) return false;
  const int month = Number(text.substr(4, 2));
  const int day = Number(text.substr(6, 2));
  const int hour = Number(text.substr(8, 2));
  const int minute = Number(text.substr(10, 2));
  return month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour <= 23 && minute <= 59;
}

std::optional<FileEntryLine> ReadFileEntryLine(std::string_view cleanedLine) {
  EntryReader reader(cleanedLine);
  FileEntryLine entry;
  entry.name = Trim(reader.ReadName());
  if (entry.name.empty()) return std::nullopt;
  entry.where = reader.ReadRest();
  return entry;
}

std::optional<FileSnapshot> ReadFileSnapshot(std::string_view rawLine) {
  FileSnapshot snapshot;
  std::string_view rest;
  if (!SplitSnapshot(rawLine, snapshot.stamp, rest)) return std::nullopt;
  const size_t lastComma = rest.rfind(',');
  if (lastComma == std::string_view::npos || lastComma == 0) return std::nullopt;
  const size_t sizeComma = rest.rfind(',', lastComma - 1);
  if (sizeComma == std::string_view::npos) return std::nullopt;
  const std::string_view time = Trim(rest.substr(lastComma + 1));
  const std::optional<uint32_t> size = ReadUsageSize(Trim(rest.substr(sizeComma + 1, lastComma - sizeComma - 1)));
  if (!IsTimestamp(time) || !size) return std::nullopt;
  snapshot.version = Trim(rest.substr(0, sizeComma));
  snapshot.size = *size;
  snapshot.time = time;
  return snapshot;
}

std::optional<SettingSnapshot> ReadSettingSnapshot(std::string_view rawLine) {
  SettingSnapshot snapshot;
  std::string_view rest;
  if (!SplitSnapshot(rawLine, snapshot.stamp, rest)) return std::nullopt;
  snapshot.value = rest;
  return snapshot;
}

std::string FileEntryText(const FileEntryLine& entry) { return entry.name + ", " + entry.where; }

std::string FileSnapshotText(const FileSnapshot& snapshot) {
  return std::string(kIndent) + snapshot.stamp + "=" + RecordedVersion(snapshot.version) + ", " +
         std::to_string(snapshot.size) + ", " + snapshot.time;
}

std::string SettingSnapshotText(const SettingSnapshot& snapshot) {
  return std::string(kIndent) + snapshot.stamp + "=" + OneLineText(snapshot.value);
}

std::string OneLineText(std::string_view value) {
  std::string text(value);
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return text;
}

std::string RecordedVersion(std::string_view version) { return std::string(Trim(OneLineText(version))); }

UsageLineWriter::UsageLineWriter(TextFile& file) {
  writer_.SetFile(&file);
  writer_.SetTab(0, 0);
}

void UsageLineWriter::Line(std::string_view text) {
  writer_.SetMarginAndWidth(0, std::max(kLineWidth, static_cast<int32_t>(text.size())));
  writer_.line = OneLineText(text);
  writer_.WriteLine(0);
}

void UsageLineWriter::EmptyLine() { writer_.NewLines(0); }

}  // namespace cvn
