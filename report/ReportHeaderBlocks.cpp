// The opening blocks of the report: what is reported, when, how to read
// it, and who reports it.
#include <string>
#include <vector>

#include "config/ApplicationView.h"
#include "config/VisibleText.h"
#include "report/ReportBlocks.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

// "label\tvalue", written only when the value is not empty. The value is
// the user's own words: each of its lines is a row at the value's column.
void LabelledLine(ReportLayout& out, const std::string& label, const std::string& value) {
  if (!value.empty()) out.Line(label + '\t' + VisibleLines(value));
}

void LabelledLine(ReportLayout& out, int labelId, const std::string& value) {
  if (!value.empty()) LabelledLine(out, out.Load(labelId), value);
}

// The long date, four blanks and the time without seconds; nothing when
// the date cannot be formatted.
std::string DateLine(platform::SystemInfo& system) {
  const platform::SystemTime now = system.LocalTime();
  std::string text = system.FormatDate(now, platform::DateStyle::Long);
  if (text.empty()) return text;
  return text + "    " + system.FormatTime(now);
}

}  // namespace

bool SectionListed(const ConfigDatabase& database, SectionId id) {
  const ConfigSection* section = database.GetSection(id);
  return section != nullptr && section->Count() > 0;
}

void WriteTitle(ReportScope& scope) { scope.out.Heading(IDS_REPORT_TITLE); }

void WriteApplication(ReportScope& scope) {
  if (!SectionListed(scope.database, SectionId::AppInfo)) return;
  ReportLayout& out = scope.out;
  const ConfigSection* app = scope.database.GetSection(SectionId::AppInfo);
  out.Tabs({3, 18});
  if (const std::string* name = FindValue(app, "AppName")) {
    out.Line(out.Load(IDS_REPORT_APPLICATION) + VisibleText(*name));
  }
  out.Line(out.Load(IDS_REPORT_BITNESS) + ApplicationViewText(scope.context));
  const std::string* label = FindValue(app, "CDVolumeLabel");
  if (label != nullptr && !label->empty()) out.Line(out.Load(IDS_REPORT_CD_LABEL) + VisibleText(*label));
  out.BlankLine();
  const std::string date = DateLine(scope.context.machine.System());
  if (!date.empty()) out.Line(date, 1);
}

void WriteLegend(ReportScope& scope) {
  ReportLayout& out = scope.out;
  out.Tabs({0, 6, 22});
  out.Text(IDS_REPORT_LEGEND);
  out.Text(IDS_REPORT_LEGEND_ERROR);
  out.Text(IDS_REPORT_LEGEND_WARNING, {}, 1);
}

void WriteNotes(ReportScope& scope) {
  ReportLayout& out = scope.out;
  const Locations& places = scope.context.locations;
  std::vector<std::string> notes;
  if (scope.database.loadCheckIncomplete) notes.push_back(out.Load(IDS_REPORT_LOAD_CHECK_INCOMPLETE));
  if (scope.database.FileInfo().empty()) notes.push_back(out.Load(IDS_REPORT_NO_FILE_INFORMATION));
  if (places.AppOnCdRom()) notes.push_back(out.Load(IDS_REPORT_FROM_CD_ROM) + out.Load(IDS_REPORT_NOT_INSTALLED));
  if (places.AppOnFloppy()) notes.push_back(out.Load(IDS_REPORT_FROM_FLOPPY) + out.Load(IDS_REPORT_NOT_INSTALLED));
  if (notes.empty()) return;
  out.Tabs({0, 6});
  out.Text(IDS_REPORT_NOTES);
  for (std::string& note : notes) out.Line(std::move(note));
  out.BlankLine();
}

void WriteUserInformation(ReportScope& scope, const UserInfo& user) {
  ReportLayout& out = scope.out;
  out.Heading(IDS_HEADING_USER_INFORMATION);
  out.Tabs({3, 25});
  LabelledLine(out, IDS_USER_NAME, user.userName);
  LabelledLine(out, IDS_COMPANY_NAME, user.companyName);
  LabelledLine(out, IDS_ADDRESS, user.address1);
  LabelledLine(out, " ", user.address2);
  LabelledLine(out, "", user.address3);
  LabelledLine(out, IDS_PHONE, user.phone);
  LabelledLine(out, IDS_FAX, user.fax);
  LabelledLine(out, IDS_EMAIL, user.email);
  out.BlankLine();

  out.Heading(IDS_HEADING_PROBLEM_INFORMATION);
  out.Tabs({3, 25});
  LabelledLine(out, IDS_REPORT_PROBLEM_ID, user.problemId);
  LabelledLine(out, IDS_REPORT_PROBLEM_DESCRIPTION, user.problemDesc);
  out.BlankLine();
}

}  // namespace cvn
