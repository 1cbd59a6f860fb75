#include "report/ReportJson.h"

#include <cstdio>

#include "config/ValueFormats.h"
#include "report/ReportOptions.h"

namespace cvn {

namespace {

// The writer with every text converted from the ANSI code page.
class ReportWriter {
 public:
  ReportWriter(std::string& out, platform::Strings& texts) : json(out), texts_(texts) {}

  void Text(const char* key, const std::string& ansi) {
    json.Key(key);
    json.String(texts_.AnsiToUtf8(ansi));
  }
  void OptionalText(const char* key, const std::optional<std::string>& ansi) {
    if (ansi) {
      Text(key, *ansi);
    } else {
      json.Key(key);
      json.Null();
    }
  }
  void Number(const char* key, int64_t value) {
    json.Key(key);
    json.Number(value);
  }
  void Bool(const char* key, bool value) {
    json.Key(key);
    json.Bool(value);
  }
  void Fix(OfferedFix fix) {
    json.Key("fix");
    if (fix == OfferedFix::None) {
      json.Null();
    } else {
      json.String(OfferedFixName(fix));
    }
  }

  JsonWriter json;

 private:
  platform::Strings& texts_;
};

std::string IsoTime(const platform::SystemTime& t) {
  char text[48];
  std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", unsigned{t.year}, unsigned{t.month},
                unsigned{t.day}, unsigned{t.hour}, unsigned{t.minute}, unsigned{t.second});
  return text;
}

void WriteRequirements(ReportWriter& w, const ReportFacts& facts) {
  w.json.Key("requirements");
  w.json.BeginArray();
  for (const RequirementRow& row : facts.requirements) {
    w.json.BeginObject();
    w.Text("name", row.name);
    w.Text("actual", row.actual);
    w.Text("minimum", row.minimum);
    w.Bool("failed", row.failed);
    w.Number("level", row.failed ? kFailedRequirementLevel : 0);
    w.Fix(row.canFreeSpace ? OfferedFix::FreeDiskSpace : OfferedFix::None);
    w.json.EndObject();
  }
  w.json.EndArray();
}

void WriteMachine(ReportWriter& w, const SystemProfile& m) {
  w.json.Key("machine");
  w.json.BeginObject();
  w.Text("computerMaker", m.computerMaker);
  w.Number("windowsMajor", m.windowsMajor);
  w.Number("windowsMinor", m.windowsMinor);
  w.Number("windowsBuild", m.windowsBuild);
  w.Number("windowsPlatformId", m.windowsPlatformId);
  w.Number("videoPlanes", m.videoPlanes);
  w.Number("videoBitsPerPixel", m.videoBitsPerPixel);
  w.Number("windowsTempSpaceUsed", m.windowsTempSpaceUsed);
  w.Number("netscapeTempSpaceUsed", m.netscapeTempSpaceUsed);
  w.Number("explorerTempSpaceUsed", m.explorerTempSpaceUsed);
  w.json.EndObject();
}

void WriteAspects(ReportWriter& w, const std::vector<AspectFact>& aspects) {
  w.json.Key("aspects");
  w.json.BeginArray();
  for (const AspectFact& aspect : aspects) {
    w.json.BeginObject();
    w.json.Key("aspect");
    w.json.String(aspect.aspect);
    w.Number("status", aspect.status);
    w.Text("found", aspect.found);
    w.json.EndObject();
  }
  w.json.EndArray();
}

bool IsSettingSection(SectionId id) { return id == SectionId::IniInfo || id == SectionId::RegistryInfo; }

void WriteItem(ReportWriter& w, SectionId section, const ItemFact& item) {
  w.json.BeginObject();
  w.Text("name", item.name);
  w.Bool("required", item.required);
  w.Number("status", item.status);
  w.Number("level", item.level);
  w.Text("mark", std::string(1, item.mark));
  w.Text("expected", item.expected);
  w.Text("found", item.found);
  w.Text("notes", item.notes);
  if (IsSettingSection(section)) {
    w.Text("action", item.action);
    w.Text("explanation", item.explanation);
  }
  if (section >= SectionId::ControlRegistryInfo) WriteAspects(w, item.aspects);
  w.Fix(item.fix);
  w.json.EndObject();
}

void WriteSections(ReportWriter& w, const ReportFacts& facts) {
  w.json.Key("sections");
  w.json.BeginArray();
  for (const SectionFact& section : facts.sections) {
    w.json.BeginObject();
    w.Text("name", std::string(StandardSectionName(section.id)));
    w.json.Key("items");
    w.json.BeginArray();
    for (const ItemFact& item : section.items) WriteItem(w, section.id, item);
    w.json.EndArray();
    w.json.EndObject();
  }
  w.json.EndArray();
}

constexpr std::pair<const char*, std::string UserInfo::*> kUserFields[] = {
    {"userName", &UserInfo::userName}, {"companyName", &UserInfo::companyName},
    {"address1", &UserInfo::address1}, {"address2", &UserInfo::address2},
    {"address3", &UserInfo::address3}, {"phone", &UserInfo::phone},
    {"fax", &UserInfo::fax},           {"email", &UserInfo::email},
    {"problemId", &UserInfo::problemId}, {"problemDescription", &UserInfo::problemDesc},
};

void WriteUser(ReportWriter& w, const UserInfo& user) {
  w.json.Key("user");
  w.json.BeginObject();
  for (const auto& [key, field] : kUserFields) w.Text(key, user.*field);
  w.json.EndObject();
}

// The questions by the bit that asks them and the member that holds the answer.
struct AnswerKey {
  int64_t bit;
  const char* key;
  int SavedAnswers::*answer;
};

constexpr AnswerKey kAnswerKeys[] = {
    {question::kRestart, "restartChangesBehavior", &SavedAnswers::isRebootable},
    {question::kRepeatable, "consistentAndRepeatable", &SavedAnswers::isConsistent},
    {question::kOnlyApplication, "onlyApplicationMisbehaving", &SavedAnswers::isOnlyAppWithProblem},
    {question::kLoads, "applicationLoads", &SavedAnswers::isLoadProblem},
    {question::kRecentlyStarted, "recentlyStarted", &SavedAnswers::isRecentProblem},
    {question::kQuickTime, "involvesQuickTime", &SavedAnswers::isQTProblem},
};

constexpr std::pair<int, const char*> kSymptomKeys[] = {
    {symptom::kCrashes, "crashes"}, {symptom::kMisbehaves, "misbehaves"}, {symptom::kVideo, "video"},
    {symptom::kAudio, "audio"},     {symptom::kPrinting, "printing"},     {symptom::kOtherHardware, "otherHardware"},
};

// The questions the report lists: the QuickTime one only for an
// application that lists the QuickTime codec.
void WriteAnswers(ReportWriter& w, const ConfigDatabase& database, int64_t bits, const SavedAnswers& answers) {
  const bool quickTime = ConfigDatabase::FindItem(database.GetSection(SectionId::DllInfo), "QTRAW.QTC",
                                                  CaseSensitivity::Insensitive) != nullptr;
  w.json.Key("answers");
  w.json.BeginObject();
  for (const AnswerKey& key : kAnswerKeys) {
    if ((bits & key.bit) == 0 || (key.bit == question::kQuickTime && !quickTime)) continue;
    w.Text(key.key, FormatAnswer(answers.*key.answer));
  }
  if ((bits & question::kSymptoms) != 0) {
    w.json.Key("symptoms");
    w.json.BeginObject();
    for (const auto& [bit, key] : kSymptomKeys) w.Bool(key, (answers.symptoms & bit) != 0);
    w.json.EndObject();
  }
  w.json.EndObject();
}

// What both documents open with after the schema.
void WriteHeader(ReportWriter& w, const ReportFacts& facts, const std::vector<Finding>& findings) {
  w.Text("database", facts.database);
  w.OptionalText("application", facts.application);
  w.Text("written", IsoTime(facts.written));
  const FindingCounts counts = CountFindings(findings);
  w.Number("problems", counts.problems);
  w.Number("warnings", counts.warnings);
}

void WriteFinding(ReportWriter& w, const Finding& finding) {
  w.json.BeginObject();
  w.Text("section", finding.section);
  w.Text("name", finding.name);
  w.Number("level", finding.level);
  w.Text("notes", finding.notes);
  if (finding.requirement != nullptr) {
    w.Text("actual", finding.requirement->actual);
    w.Text("minimum", finding.requirement->minimum);
  }
  w.json.EndObject();
}

}  // namespace

std::vector<Finding> Findings(const ReportFacts& facts) {
  const std::string requirements(StandardSectionName(SectionId::MinimumRequirementsInfo));
  std::vector<Finding> findings;
  for (const RequirementRow& row : facts.requirements) {
    if (row.failed) findings.push_back({requirements, row.name, kFailedRequirementLevel, {}, &row});
  }
  for (const SectionFact& section : facts.sections) {
    for (const ItemFact& item : section.items) {
      if (item.level < kWarningLevel) continue;
      findings.push_back({std::string(StandardSectionName(section.id)), item.name, item.level, item.notes});
    }
  }
  return findings;
}

FindingCounts CountFindings(const std::vector<Finding>& findings) {
  FindingCounts counts;
  for (const Finding& finding : findings) {
    ++(finding.level >= kProblemLevel ? counts.problems : counts.warnings);
  }
  return counts;
}

void BeginJsonDocument(JsonWriter& json, const char* kind, bool loaded) {
  json.BeginObject();
  json.Key("schema");
  json.Number(kReportSchema);
  json.Key("kind");
  json.String(kind);
  json.Key("loaded");
  json.Bool(loaded);
}

std::string ReportJson(RunContext& context, const ConfigDatabase& database, const ReportFacts& facts,
                       const SavedAnswers& answers, const UserInfo& user) {
  std::string out;
  ReportWriter w(out, context.machine.Texts());
  BeginJsonDocument(w.json, "report", true);
  WriteHeader(w, facts, Findings(facts));
  w.OptionalText("cdVolumeLabel", facts.cdVolumeLabel);
  w.json.Key("notes");
  w.json.BeginObject();
  w.Bool("loadCheckIncomplete", facts.loadCheckIncomplete);
  w.Bool("fileInformation", facts.fileInformation);
  w.Bool("fromCdRom", facts.fromCdRom);
  w.Bool("fromFloppy", facts.fromFloppy);
  w.json.EndObject();
  WriteRequirements(w, facts);
  WriteMachine(w, facts.machine);
  WriteSections(w, facts);
  if (facts.options.getUserInfo) WriteUser(w, user);
  if (facts.options.askQuestions && facts.options.askQuestionsOptions != 0) {
    WriteAnswers(w, database, facts.options.askQuestionsOptions, answers);
  }
  w.json.EndObject();
  return out;
}

std::string CheckJson(RunContext& context, const ReportFacts& facts) {
  std::string out;
  ReportWriter w(out, context.machine.Texts());
  BeginJsonDocument(w.json, "check", true);
  const std::vector<Finding> findings = Findings(facts);
  WriteHeader(w, facts, findings);
  w.json.Key("findings");
  w.json.BeginArray();
  for (const Finding& finding : findings) WriteFinding(w, finding);
  w.json.EndArray();
  w.json.EndObject();
  return out;
}

std::string UnloadedJson(platform::Strings* texts, const char* kind, const std::string& database,
                         const std::string& error) {
  std::string out;
  JsonWriter json(out);
  BeginJsonDocument(json, kind, false);
  json.Key("database");
  json.String(texts != nullptr ? texts->AnsiToUtf8(database) : database);
  json.Key("error");
  json.String(texts != nullptr ? texts->AnsiToUtf8(error) : error);
  json.EndObject();
  return out;
}

}  // namespace cvn
