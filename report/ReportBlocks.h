// The blocks of the technical-support report, each writing itself through
// the layout in the report's fixed order.
#pragma once

#include <string>

#include "config/Answers.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "report/ReportLayout.h"
#include "report/ReportOptions.h"

namespace cvn {

// What every block may read while the report is written.
struct ReportScope {
  RunContext& context;
  ConfigDatabase& database;
  const ReportOptions& options;
  ReportLayout& out;
};

// A section the database file named: the standard sections always exist,
// so one without items counts as missing.
bool SectionListed(const ConfigDatabase& database, SectionId id);

// Title, application and date, legend and notes.
void WriteTitle(ReportScope& scope);
void WriteApplication(ReportScope& scope);
void WriteLegend(ReportScope& scope);
void WriteNotes(ReportScope& scope);
// User Information and Problem Information.
void WriteUserInformation(ReportScope& scope, const UserInfo& user);

// Minimum Requirements and the reference figures of the machine.
void WriteRequirements(ReportScope& scope);
void WriteReferenceInformation(ReportScope& scope);
// The four file sections.
void WriteFileSections(ReportScope& scope);
// An INI item's location "file\section\entry" as "file.ini [section] entry";
// a name without a backslash is shown unchanged.
std::string IniSettingName(const std::string& name);
// INI and Registry settings.
void WriteSettingSections(ReportScope& scope);
// Class and type library registrations.
void WriteRegistrationSections(ReportScope& scope);
// CONFIG.SYS and AUTOEXEC.BAT as they stand.
void WriteStartupFiles(ReportScope& scope);

void WriteUserResponses(ReportScope& scope, const SavedAnswers& answers);
void WriteTechnicalSupport(ReportScope& scope);

}  // namespace cvn
