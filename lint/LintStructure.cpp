// Findings about the shape of the file: lines outside any section, section
// names nothing reads, sections whose end never comes, and items hidden
// behind an earlier one of the same name.
#include <map>
#include <utility>

#include "lint/LintModel.h"
#include "config/TextCase.h"

namespace cvn {

namespace {

bool IsSection(std::string_view name, SectionId id) { return EqualsNoCase(name, StandardSectionName(id)); }

// Lower case without blanks: "DLL Info " and "dllinfo" look alike.
std::string Loose(std::string_view name) {
  std::string loose = ToLower(name);
  std::erase_if(loose, [](char c) { return c == ' ' || c == '\t'; });
  return loose;
}

// The standard section (or End) a misspelt name most likely meant; empty
// when none is that close.
std::string_view MeantSection(std::string_view name) {
  const std::string loose = Loose(name);
  if (loose == "end") return "End";
  for (int id = 0; id < kSectionIds; ++id) {
    const std::string_view standard = StandardSectionName(static_cast<SectionId>(id));
    if (Loose(standard) == loose) return standard;
  }
  return {};
}

void CheckHeaders(const LintModel& model, LintReport& report) {
  for (const size_t line : model.strayLines) {
    report.Warning(line, "this line comes before the first header: the loader ignores it");
  }
  for (const LintHeader& header : model.headers) {
    if (IsStandardSectionName(header.name)) continue;
    std::string text =
        "section " + Bracketed(header.name) + " is read by no part of Corvane: its entries are ignored";
    const std::string_view meant = MeantSection(header.name);
    if (!meant.empty()) text += " (did you mean " + Bracketed(meant) + "?)";
    report.Warning(header.line, std::move(text));
  }
}

void CheckSectionEnds(const LintModel& model, LintReport& report) {
  const bool endsInsideDirectory =
      !model.endHeader && IsSection(model.lastSectionName, SectionId::DirectoryInfo);
  if (!model.endHeader && IsSection(model.lastSectionName, SectionId::AppInfo)) {
    report.Error(model.lineCount,
                 "the file ends inside [App Info]: AppName and AppWin32 are never taken; end the section "
                 "with a header such as [End]");
  }
  if (endsInsideDirectory) {
    report.Error(model.lineCount,
                 "the file ends inside [Directory Info]: the application is never located; end the "
                 "section with a header such as [End]");
  } else if (model.locateLine == 0) {
    report.Error(model.lineCount,
                 "the file has no [Directory Info]: the application is never located and Corvane's own "
                 "folder stands for it");
  } else if (!model.appFileKnownAtLocate) {
    report.Warning(model.locateLine,
                   "[Directory Info] ends here before [App Info] names SignatureFileName or AppFileName: "
                   "the application is not found by its files and the user is asked for its program");
  }
}

void CheckDuplicates(const LintModel& model, LintReport& report) {
  std::map<std::pair<const ConfigSection*, std::string>, size_t> firstLines;
  for (const LintEntry& entry : model.entries) {
    if (!IsStandardSectionName(entry.section->Name()) || entry.item->Name().empty()) continue;
    const auto [first, inserted] =
        firstLines.emplace(std::make_pair(entry.section, ToLower(entry.item->Name())), entry.line);
    if (inserted) continue;
    report.Warning(entry.line, "second " + Quoted(entry.item->Name()) + " in " +
                                   Bracketed(entry.section->Name()) +
                                   ": lookups by name find the one on line " + std::to_string(first->second));
  }
}

}  // namespace

void CheckStructure(const LintModel& model, LintReport& report) {
  CheckHeaders(model, report);
  CheckSectionEnds(model, report);
  CheckDuplicates(model, report);
}

}  // namespace cvn
