#include "tools/cvntool/ReportCommand.h"

#include "app/Answers.h"
#include "checks/LoadCheck.h"
#include "checks/Requirements.h"
#include "config/ConfigDatabase.h"
#include "report/Report.h"
#include "tools/cvntool/LoadDatabase.h"
#include "ui/ScriptedProgressDialog.h"

namespace cvn::tool {

int RunReport(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return 2;
  }
  ConfigDatabase database;
  if (!LoadForChecks(context, database, options.operands[0], errors)) return 1;
  // Before any file is checked, so that the checks see what it found.
  if (options.loadCheck) {
    ScriptedProgressDialogs progress;
    RunDllLoadCheck(context, database, progress);
  }
  ReadRequirements(database, database.minimumRequirements);
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
