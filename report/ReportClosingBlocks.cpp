// The closing blocks of the report: the user's answers to the problem
// questions and the vendor's support contacts.
#include <string>

#include "report/ReportBlocks.h"

namespace cvn {

namespace {

constexpr int kResponsesHeading = 10042;
constexpr int kSupportHeading = 10045;
constexpr int kSupportContact = 10312;
constexpr int kPhone = 10053;
constexpr int kFax = 10054;
constexpr int kEmail = 10055;

struct Question {
  int64_t bit;
  int text;
  int SavedAnswers::*answer;
};

constexpr Question kQuestions[] = {
    {question::kRestart, 10300, &SavedAnswers::isRebootable},
    {question::kRepeatable, 10301, &SavedAnswers::isConsistent},
    {question::kOnlyApplication, 10302, &SavedAnswers::isOnlyAppWithProblem},
    {question::kLoads, 10303, &SavedAnswers::isLoadProblem},
    {question::kRecentlyStarted, 10304, &SavedAnswers::isRecentProblem},
    {question::kQuickTime, 10305, &SavedAnswers::isQTProblem},
};

struct Symptom {
  int bit;
  int text;
};

constexpr Symptom kSymptoms[] = {
    {symptom::kCrashes, 10306},  {symptom::kMisbehaves, 10307}, {symptom::kVideo, 10308},
    {symptom::kAudio, 10309},    {symptom::kPrinting, 10310},   {symptom::kOtherHardware, 10311},
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
  out.Heading(kResponsesHeading);
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
  out.Heading(kSupportHeading);
  out.Tabs({3});
  out.Text(kSupportContact, {}, 1);
  out.Tabs({6, 16});
  WriteValueLine(out, vendor, "VendorName");
  WriteValueLine(out, vendor, "TechSupportName");
  out.BlankLine();
  WriteContact(out, vendor, "TechSupportPhone", "VendorPhone", kPhone);
  WriteContact(out, vendor, "TechSupportFax", "VendorFax", kFax);
  WriteContact(out, vendor, "TechSupportEMail", "VendorEMail", kEmail);
  const std::string* instructions = FindValue(vendor, "TechSupportInstructions");
  if (instructions != nullptr && !instructions->empty()) {
    out.Tabs({6});
    out.BlankLine();
    out.Fields({*instructions});
  }
}

}  // namespace cvn
