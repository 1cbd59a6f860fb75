// The opening blocks of the report: what is reported, when, how to read
// it, and who reports it.
#include <string>
#include <vector>

#include "config/ApplicationView.h"
#include "config/VisibleText.h"
#include "report/ReportBlocks.h"

namespace cvn {

namespace {

constexpr int kTitle = 10220;
constexpr int kApplication = 10221;
constexpr int kCdLabel = 10222;
constexpr int kBitness = 10521;
constexpr int kLegend = 10223;
constexpr int kLegendError = 10224;
constexpr int kLegendWarning = 10225;
constexpr int kNotes = 10226;
constexpr int kLoadCheckIncomplete = 10227;
constexpr int kNoFileInformation = 10228;
constexpr int kFromCdRom = 10229;
constexpr int kFromFloppy = 10230;
constexpr int kNotInstalled = 10231;
constexpr int kUserHeading = 10043;
constexpr int kProblemHeading = 10044;
constexpr int kUserName = 10050;
constexpr int kCompanyName = 10051;
constexpr int kAddress = 10052;
constexpr int kPhone = 10053;
constexpr int kFax = 10054;
constexpr int kEmail = 10055;
constexpr int kProblemId = 10242;
constexpr int kProblemDescription = 10243;

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

void WriteTitle(ReportScope& scope) { scope.out.Heading(kTitle); }

void WriteApplication(ReportScope& scope) {
  if (!SectionListed(scope.database, SectionId::AppInfo)) return;
  ReportLayout& out = scope.out;
  const ConfigSection* app = scope.database.GetSection(SectionId::AppInfo);
  out.Tabs({3, 18});
  if (const std::string* name = FindValue(app, "AppName")) {
    out.Line(out.Load(kApplication) + VisibleText(*name));
  }
  out.Line(out.Load(kBitness) + ApplicationViewText(scope.context));
  const std::string* label = FindValue(app, "CDVolumeLabel");
  if (label != nullptr && !label->empty()) out.Line(out.Load(kCdLabel) + VisibleText(*label));
  out.BlankLine();
  const std::string date = DateLine(scope.context.machine.System());
  if (!date.empty()) out.Line(date, 1);
}

void WriteLegend(ReportScope& scope) {
  ReportLayout& out = scope.out;
  out.Tabs({0, 6, 22});
  out.Text(kLegend);
  out.Text(kLegendError);
  out.Text(kLegendWarning, {}, 1);
}

void WriteNotes(ReportScope& scope) {
  ReportLayout& out = scope.out;
  const Locations& places = scope.context.locations;
  std::vector<std::string> notes;
  if (scope.database.loadCheckIncomplete) notes.push_back(out.Load(kLoadCheckIncomplete));
  if (scope.database.FileInfo().empty()) notes.push_back(out.Load(kNoFileInformation));
  if (places.AppOnCdRom()) notes.push_back(out.Load(kFromCdRom) + out.Load(kNotInstalled));
  if (places.AppOnFloppy()) notes.push_back(out.Load(kFromFloppy) + out.Load(kNotInstalled));
  if (notes.empty()) return;
  out.Tabs({0, 6});
  out.Text(kNotes);
  for (std::string& note : notes) out.Line(std::move(note));
  out.BlankLine();
}

void WriteUserInformation(ReportScope& scope, const UserInfo& user) {
  ReportLayout& out = scope.out;
  out.Heading(kUserHeading);
  out.Tabs({3, 25});
  LabelledLine(out, kUserName, user.userName);
  LabelledLine(out, kCompanyName, user.companyName);
  LabelledLine(out, kAddress, user.address1);
  LabelledLine(out, " ", user.address2);
  LabelledLine(out, "", user.address3);
  LabelledLine(out, kPhone, user.phone);
  LabelledLine(out, kFax, user.fax);
  LabelledLine(out, kEmail, user.email);
  out.BlankLine();

  out.Heading(kProblemHeading);
  out.Tabs({3, 25});
  LabelledLine(out, kProblemId, user.problemId);
  LabelledLine(out, kProblemDescription, user.problemDesc);
  out.BlankLine();
}

}  // namespace cvn
