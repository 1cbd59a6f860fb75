// The support report as one JSON document (docs/report-schema.json), and
// the list of findings that cvntool check prints. Every text is converted
// from the ANSI code page to UTF-8.
#pragma once

#include <string>
#include <vector>

#include "config/Answers.h"
#include "config/RunContext.h"
#include "platform/Strings.h"
#include "report/JsonWriter.h"
#include "report/ReportFacts.h"

namespace cvn {

// The version of the document's layout; every document carries it.
inline constexpr int kReportSchema = 1;

// An item or requirement with a problem level of 2 or more.
struct Finding {
  std::string section;  // the section's standard name
  std::string name;
  int level = 0;
  std::string notes;                       // items: their notes
  const RequirementRow* requirement = nullptr;  // requirements: the row
};

// In report order: requirements, then the items section by section.
std::vector<Finding> Findings(const ReportFacts& facts);

struct FindingCounts {
  int problems = 0;  // level 4 or more
  int warnings = 0;  // levels 2 and 3
};
FindingCounts CountFindings(const std::vector<Finding>& findings);

// The whole report, with the user's details and answers as the report's
// options include them.
std::string ReportJson(RunContext& context, const ConfigDatabase& database, const ReportFacts& facts,
                       const SavedAnswers& answers, const UserInfo& user);

// What cvntool check found: the findings with their section, name, level
// and notes (a requirement with its actual and minimum values), and how
// many are problems and warnings.
std::string CheckJson(RunContext& context, const ReportFacts& facts);

// The opening members every document shares: schema, kind and whether the
// database and machine could be loaded.
void BeginJsonDocument(JsonWriter& json, const char* kind, bool loaded);

// A document of `kind` ("report", "check") for a database or machine that
// could not be loaded, with the reason. `texts` converts the database's
// path; without a machine (null) the path is written as UTF-8.
std::string UnloadedJson(platform::Strings* texts, const char* kind, const std::string& database,
                         const std::string& error);

}  // namespace cvn
