#include "usage/UsageScanner.h"

#include "config/TextLines.h"

namespace cvn {

namespace {

bool IsRecorded(UsageSection kind) {
  return kind == UsageSection::Files || kind == UsageSection::IniSettings || kind == UsageSection::RegistrySettings;
}

}  // namespace

bool UsageScanner::Next(ScannedLine& line) {
  if (!lines_.Next(line.raw)) return false;
  line.cleaned = CleanLine(line.raw.text);
  line.section = section_;
  if (line.cleaned.empty()) {
    line.kind = LineKind::Skipped;
  } else if (line.cleaned.front() == '[') {
    line.kind = LineKind::Header;
    section_ = ReadUsageHeader(HeaderName(line.cleaned));
    line.section = section_;
  } else if (IsRecorded(section_.kind)) {
    ReadRecordedLine(line);
  } else {
    line.kind = LineKind::Plain;
  }
  return true;
}

void UsageScanner::ReadRecordedLine(ScannedLine& line) const {
  const bool files = section_.kind == UsageSection::Files;
  if (!IsSnapshotLine(line.raw.text)) {
    line.kind = LineKind::Entry;
    if (!files) return;
    const std::optional<FileEntryLine> entry = ReadFileEntryLine(line.cleaned);
    if (entry) line.fileEntry = *entry;
    if (!entry) line.kind = LineKind::BadEntry;
    return;
  }
  line.kind = LineKind::BadSnapshot;
  if (files) {
    if (std::optional<FileSnapshot> snapshot = ReadFileSnapshot(line.raw.text)) {
      line.file = std::move(*snapshot);
      line.kind = LineKind::Snapshot;
    }
  } else if (std::optional<SettingSnapshot> snapshot = ReadSettingSnapshot(line.raw.text)) {
    line.setting = std::move(*snapshot);
    line.kind = LineKind::Snapshot;
  }
}

}  // namespace cvn
