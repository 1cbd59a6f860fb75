// Walks a .cdb the way the loader does (CleanLine, headers, one- and
// two-line entries, the End header), keeping the line of every header and
// entry beside the items the loader would make of them.
#include "lint/LintModel.h"

#include <algorithm>

#include "config/ItemParsing.h"
#include "config/TextCase.h"
#include "config/TextLines.h"

namespace cvn {

namespace {

constexpr std::string_view kEndHeader = "End";

class Walker {
 public:
  Walker(std::string_view bytes, LintModel& model) : lines_(bytes), model_(model) {}

  void Read() {
    std::string_view raw;
    while (NextLine(raw)) {
      const std::string_view line = CleanLine(raw);
      if (line.empty()) continue;
      if (line.front() != '[') {
        ReadEntry(line);
      } else if (!ReadHeader(line)) {
        model_.endHeader = true;
        return;
      }
    }
    model_.lastSectionName = currentName_;
  }

 private:
  bool NextLine(std::string_view& raw) {
    if (!lines_.Next(raw)) return false;
    ++model_.lineCount;
    return true;
  }

  void ReadEntry(std::string_view line) {
    if (current_ == nullptr) {
      model_.strayLines.push_back(model_.lineCount);
      return;
    }
    LintEntry entry;
    entry.line = model_.lineCount;
    entry.first = line;
    entry.text = line;
    std::string_view raw;
    if (current_->LinesPerEntry() == 2 && NextLine(raw)) {
      entry.secondLine = model_.lineCount;
      entry.second = CleanLine(raw);
      entry.text += entry.second;
    }
    EntryReader reader(entry.text);
    reader.NoteSpansIn(&entry.spans);
    current_->Append(ParseItem(current_->Type(), reader, keepPaths_));
    entry.section = current_;
    entry.item = current_->Items().back().get();
    model_.entries.push_back(std::move(entry));
  }

  // False at the End header.
  bool ReadHeader(std::string_view line) {
    FinishSection();
    const std::string_view name = HeaderName(line);
    if (EqualsNoCase(name, kEndHeader)) return false;
    current_ = model_.database.FindSection(name);
    if (current_ == nullptr) current_ = &model_.database.AddSection(std::string(name));
    currentName_ = name;
    model_.headers.push_back({model_.lineCount, currentName_});
    return true;
  }

  // The loader locates the application when a header ends Directory Info.
  void FinishSection() {
    if (model_.locateLine != 0) return;
    if (!EqualsNoCase(currentName_, StandardSectionName(SectionId::DirectoryInfo))) return;
    const ConfigSection* appInfo = model_.database.GetSection(SectionId::AppInfo);
    model_.locateLine = model_.lineCount;
    model_.appFileKnownAtLocate =
        FindValue(appInfo, "SignatureFileName") != nullptr || FindValue(appInfo, "AppFileName") != nullptr;
  }

  LineSplitter lines_;
  LintModel& model_;
  // Values stay as written: lint points at location codes, it does not
  // resolve them.
  const PathResolver keepPaths_ = [](const std::string& path) { return path; };
  ConfigSection* current_ = nullptr;
  std::string currentName_;
};

}  // namespace

std::string_view LintEntry::Field(size_t index) const {
  if (index >= spans.size()) return {};
  const FieldSpan& span = spans[index];
  return std::string_view(text).substr(span.begin, span.end - span.begin);
}

void ReadLintModel(std::string_view bytes, LintModel& model) { Walker(bytes, model).Read(); }

void LintReport::Add(size_t line, LintSeverity severity, std::string text) {
  findings_.push_back({line, severity, std::move(text)});
}

std::vector<LintFinding> LintReport::Take() {
  std::stable_sort(findings_.begin(), findings_.end(),
                   [](const LintFinding& a, const LintFinding& b) { return a.line < b.line; });
  return std::move(findings_);
}

bool IsStandardSectionName(std::string_view name) {
  for (int id = 0; id < kSectionIds; ++id) {
    if (EqualsNoCase(name, StandardSectionName(static_cast<SectionId>(id)))) return true;
  }
  return false;
}

namespace {

std::string Enclosed(char open, std::string_view text, char close) {
  std::string enclosed;
  enclosed.reserve(text.size() + 2);
  enclosed += open;
  enclosed.append(text);
  enclosed += close;
  return enclosed;
}

}  // namespace

std::string Quoted(std::string_view text) { return Enclosed('"', text, '"'); }

std::string Bracketed(std::string_view name) { return Enclosed('[', name, ']'); }

std::vector<LintFinding> LintDatabase(std::string_view bytes, const LintFileInfo* fileInfo) {
  LintModel model;
  ReadLintModel(bytes, model);
  LintReport report;
  CheckStructure(model, report);
  CheckTextKeys(model, report);
  CheckEntryFields(model, report);
  CheckReferences(model, fileInfo, report);
  return report.Take();
}

}  // namespace cvn
