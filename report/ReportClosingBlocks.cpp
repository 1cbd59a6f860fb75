// The closing blocks of the report: the user's answers to the problem
// questions and the vendor's support contacts.
#include <string>

#include "report/ReportBlocks.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

struct Question {
  int64_t bit;
  int text;
  int SavedAnswers::*answer;
};

constexpr Question kQuestions[] = {
    {question::kRestart, IDS_QUESTION_RESTART_CHANGES, &SavedAnswers::isRebootable},
    {question::kRepeatable, IDS_QUESTION_CONSISTENT, &SavedAnswers::isConsistent},
    {question::kOnlyApplication, IDS_QUESTION_ONLY_APPLICATION, &SavedAnswers::isOnlyAppWithProblem},
    {question::kLoads, IDS_QUESTION_LOADS, &SavedAnswers::isLoadProblem},
    {question::kRecentlyStarted, IDS_QUESTION_RECENTLY_BROKEN, &SavedAnswers::isRecentProblem},
    {question::kQuickTime, IDS_QUESTION_QUICKTIME, &SavedAnswers::isQTProblem},
};

struct Symptom {
  int bit;
  int text;
};

constexpr Symptom kSymptoms[] = {
    {symptom::kCrashes, IDS_SYMPTOM_CRASHES},   {symptom::kMisbehaves, IDS_SYMPTOM_BEHAVIOR},
    {symptom::kVideo, IDS_SYMPTOM_VIDEO},       {symptom::kAudio, IDS_SYMPTOM_AUDIO},
    {symptom::kPrinting, IDS_SYMPTOM_PRINTING}, {symptom::kOtherHardware, IDS_SYMPTOM_OTHER_HARDWARE},
};

// The QuickTime question is asked only of applications that list its codec.
bool ListsQuickTime(const ConfigDatabase& database) {
  return ConfigDatabase::FindItem(database.GetSection(SectionId::DllInfo), "QTRAW.QTC",
                                  CaseSensitivity::Insensitive) != nullptr;
}

void WriteAnswer(ReportLayout& out, std::string text, const std::string& answer) {
  out.Line(std::move(text));
  out.Tabs({3, 6});
  out.Line('\t' + answer);
}

void WriteSymptoms(ReportLayout& out, int ticked) {
  out.Tabs({3, 6});
  for (const Symptom& symptom : kSymptoms) {
    WriteAnswer(out, out.Load(symptom.text), FormatYesNo((ticked & symptom.bit) != 0));
  }
}

// "label\tnumber" with the support number, or the vendor's when the support
// key is there but empty; nothing without the support key.
void WriteContact(ReportLayout& out, const ConfigSection* vendor, const char* supportKey,
                  const char* vendorKey, int label) {
  const std::string* value = FindValue(vendor, supportKey);
  if (value == nullptr) return;
  if (value->empty()) value = FindValue(vendor, vendorKey);
  if (value != nullptr && !value->empty()) out.Fields({out.Load(label), *value});
}

void WriteValueLine(ReportLayout& out, const ConfigSection* vendor, const char* key) {
  if (const std::string* value = FindValue(vendor, key)) out.Fields({*value});
}

}  // namespace

void WriteUserResponses(ReportScope& scope, const SavedAnswers& answers) {
  ReportLayout& out = scope.out;
  const int64_t bits = scope.options.askQuestionsOptions;
  out.Heading(IDS_HEADING_USER_RESPONSES);
  for (const Question& question : kQuestions) {
    if ((bits & question.bit) == 0) continue;
    if (question.bit == question::kQuickTime && !ListsQuickTime(scope.database)) continue;
    out.Tabs({3});
    WriteAnswer(out, out.Load(question.text), FormatAnswer(answers.*question.answer));
  }
  if ((bits & question::kSymptoms) != 0) WriteSymptoms(out, answers.symptoms);
  out.BlankLine();
}

void WriteTechnicalSupport(ReportScope& scope) {
  ReportLayout& out = scope.out;
  const ConfigSection* vendor = scope.database.GetSection(SectionId::VendorInfo);
  out.Heading(IDS_HEADING_TECHNICAL_SUPPORT);
  out.Tabs({3});
  out.Text(IDS_SUPPORT_CONTACT, {}, 1);
  out.Tabs({6, 16});
  WriteValueLine(out, vendor, "VendorName");
  WriteValueLine(out, vendor, "TechSupportName");
  out.BlankLine();
  WriteContact(out, vendor, "TechSupportPhone", "VendorPhone", IDS_PHONE);
  WriteContact(out, vendor, "TechSupportFax", "VendorFax", IDS_FAX);
  WriteContact(out, vendor, "TechSupportEMail", "VendorEMail", IDS_EMAIL);
  const std::string* instructions = FindValue(vendor, "TechSupportInstructions");
  if (instructions != nullptr && !instructions->empty()) {
    out.Tabs({6});
    out.BlankLine();
    out.Fields({*instructions});
  }
}

}  // namespace cvn
