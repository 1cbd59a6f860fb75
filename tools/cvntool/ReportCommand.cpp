#include "tools/cvntool/ReportCommand.h"

#include "config/Answers.h"
#include "checks/LoadCheck.h"
#include "checks/Requirements.h"
#include "config/ConfigDatabase.h"
#include "config/PathSpec.h"
#include "report/Report.h"
#include "report/ReportFacts.h"
#include "report/ReportJson.h"
#include "tools/cvntool/LoadDatabase.h"
#include "ui/fakes/ScriptedProgressDialog.h"

namespace cvn::tool {

namespace {

// The report's file name with the extension ".json".
std::string JsonName(const std::string& reportName) {
  const size_t dot = reportName.rfind('.');
  return (dot == std::string::npos ? reportName : reportName.substr(0, dot)) + ".json";
}

// Writes `json` where --out says, else beside the text report: the
// application folder, else the temporary folder. The path, or nothing.
std::optional<std::string> WriteJson(RunContext& context, const Options& options, const std::string& name,
                                     const std::string& json) {
  const platform::Bytes bytes(json.begin(), json.end());
  std::vector<std::string> places;
  if (options.outPath) {
    places.push_back(*options.outPath);
  } else {
    for (const char* folder : {"1|", "T|"}) places.push_back(PathSpec(context, folder).Append(name).Text());
  }
  for (const std::string& place : places) {
    if (context.machine.Files().WriteFile(place, bytes)) return place;
  }
  return std::nullopt;
}

// report --json: the whole report as one JSON document. When the database
// cannot be loaded, a document saying so goes to --out, so that a fleet's
// collection still hears from the machine.
int RunJsonReport(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  const std::string& cdb = options.operands[0];
  ConfigDatabase database;
  if (!LoadForChecks(context, database, cdb, errors)) {
    const std::string json =
        UnloadedJson(&context.machine.Texts(), "report", cdb, "the database could not be loaded");
    if (options.outPath) WriteJson(context, options, {}, json);
    return 1;
  }
  static_cast<void>(ReadRequirements(database, database.minimumRequirements));
  const ReportFacts facts = GatherReportFacts(context, database);
  const std::string json =
      ReportJson(context, database, facts, LoadAnswers(context), LoadUserInfo(context));
  const std::optional<std::string> path = WriteJson(context, options, JsonName(facts.options.reportName), json);
  if (!path) {
    errors << "cvntool: cannot write the report\n";
    return 1;
  }
  out << *path << '\n';
  return 0;
}

}  // namespace

int RunReport(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return 2;
  }
  if (options.json) return RunJsonReport(context, options, out, errors);
  ConfigDatabase database;
  if (!LoadForChecks(context, database, options.operands[0], errors)) return 1;
  // Before any file is checked, so that the checks see what it found.
  if (options.loadCheck) {
    ScriptedProgressDialogs progress;
    static_cast<void>(RunDllLoadCheck(context, database, progress));
  }
  static_cast<void>(ReadRequirements(database, database.minimumRequirements));
  const SavedAnswers answers = LoadAnswers(context);
  const UserInfo user = LoadUserInfo(context);
  std::string path;
  if (WriteReport(context, database, answers, user, path, CompletionMessage::Omit, options.outPath) !=
      platform::kSOk) {
    errors << "cvntool: cannot write the report\n";
    return 1;
  }
  out << path << '\n';
  return 0;
}

}  // namespace cvn::tool
