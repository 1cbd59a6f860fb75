// What lint knows of a .cdb: the database as the loader fills it, and where
// in the file each header and entry was, read with the loader's own rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/EntryReader.h"
#include "lint/Lint.h"

namespace cvn {

struct LintHeader {
  size_t line = 0;
  std::string name;  // as the loader reads it
};

struct LintEntry {
  size_t line = 0;
  size_t secondLine = 0;   // of a two-line entry; 0 when the file ended first
  std::string_view first;  // the cleaned lines
  std::string_view second;
  std::string text;  // what was parsed: the lines joined
  const ConfigSection* section = nullptr;
  const ConfigItem* item = nullptr;  // owned by the section
  std::vector<FieldSpan> spans;      // one per field reader, in reading order
  std::string_view Field(size_t index) const;
};

struct LintModel {
  ConfigDatabase database;
  std::vector<LintHeader> headers;
  std::vector<LintEntry> entries;
  std::vector<size_t> strayLines;  // entries before the first header
  size_t lineCount = 0;            // lines read, up to and including [End]
  bool endHeader = false;          // reading stopped at an End header
  std::string lastSectionName;     // the section the file ended in
  // Where Directory Info first ended, so the application was located, and
  // whether App Info named a file to find it by at that moment.
  size_t locateLine = 0;
  bool appFileKnownAtLocate = false;
};

void ReadLintModel(std::string_view bytes, LintModel& model);

// Collects the findings of the checks.
class LintReport {
 public:
  void Error(size_t line, std::string text) { Add(line, LintSeverity::Error, std::move(text)); }
  void Warning(size_t line, std::string text) { Add(line, LintSeverity::Warning, std::move(text)); }
  // The findings, in line order (those of one line in the order found).
  std::vector<LintFinding> Take();

 private:
  void Add(size_t line, LintSeverity severity, std::string text);
  std::vector<LintFinding> findings_;
};

// One of the sixteen standard names, in any letter case.
bool IsStandardSectionName(std::string_view name);

// A text in double quotes, as the findings show what the vendor wrote.
std::string Quoted(std::string_view text);
// "[NAME]", as a section is named in the findings.
std::string Bracketed(std::string_view name);

// What is wrong with a location code, as the end of a finding; nothing when
// the code names a folder. '\0' (the entry ended) counts as no problem.
std::optional<std::string> LocationCodeProblem(std::string_view label, char code,
                                               const ConfigSection* directoryInfo);

// The checks, one family each.
void CheckStructure(const LintModel& model, LintReport& report);
void CheckTextKeys(const LintModel& model, LintReport& report);
void CheckEntryFields(const LintModel& model, LintReport& report);
void CheckReferences(const LintModel& model, const LintFileInfo* fileInfo, LintReport& report);

}  // namespace cvn
