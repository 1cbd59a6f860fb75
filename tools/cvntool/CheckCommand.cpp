#include "tools/cvntool/CheckCommand.h"

#include "checks/Requirements.h"
#include "config/ConfigDatabase.h"
#include "report/ReportFacts.h"
#include "report/ReportJson.h"
#include "tools/cvntool/LoadDatabase.h"

namespace cvn::tool {

namespace {

const char* kUnloaded = "the database or the machine could not be loaded";

void PrintFinding(const Finding& finding, std::ostream& out) {
  out << '[' << finding.section << "] " << finding.name << ": level " << finding.level;
  if (finding.requirement != nullptr) {
    out << ": actual " << finding.requirement->actual << ", minimum " << finding.requirement->minimum;
  } else if (!finding.notes.empty()) {
    out << ": " << finding.notes;
  }
  out << '\n';
}

}  // namespace

int RunCheck(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return kCheckUsage;
  }
  const std::string& path = options.operands[0];
  ConfigDatabase database;
  if (!LoadForChecks(context, database, path, errors)) {
    if (options.json) out << UnloadedJson(&context.machine.Texts(), "check", path, kUnloaded);
    return kCheckUnloadable;
  }
  static_cast<void>(ReadRequirements(database, database.minimumRequirements));
  const ReportFacts facts = GatherReportFacts(context, database);
  const std::vector<Finding> findings = Findings(facts);
  const FindingCounts counts = CountFindings(findings);
  if (options.json) {
    out << CheckJson(context, facts);
  } else {
    for (const Finding& finding : findings) PrintFinding(finding, out);
    out << counts.problems << " problems, " << counts.warnings << " warnings\n";
  }
  return counts.problems > 0 ? kCheckProblem : kCheckHealthy;
}

int CheckWithoutMachine(const Options& options, const std::string& error, std::ostream& out,
                        std::ostream& errors) {
  errors << "cvntool: " << error << '\n';
  const std::string path = options.operands.empty() ? std::string() : options.operands[0];
  if (options.json) out << UnloadedJson(nullptr, "check", path, error);
  return kCheckUnloadable;
}

}  // namespace cvn::tool
