#include "app/Startup.h"

#include <memory>
#include <optional>

#include "app/DocumentTypes.h"
#include "checks/InstallMedia.h"
#include "checks/Requirements.h"
#include "checks/SystemProfileMeasure.h"
#include "config/Answers.h"
#include "config/ConfigDatabase.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "report/Report.h"
#include "resources/StringIds.h"
#include "ui/CCVNWizard.h"
#include "usage/UsageDatabase.h"

namespace cvn {
namespace {

// The facts start-up gathers for the wizard, in the order it reads them.
struct Session {
  SavedAnswers answers;
  UserInfo userInfo;
};

// The wizard lives only for its modal run.
WizardResult RunWizard(RunContext& context, ConfigDatabase& database, Session& session,
                       WizardRunner& runner) {
  CCVNWizard wizard(context, database, session.answers, session.userInfo, runner.Host());
  return runner.Run(wizard);
}

// The single .cdb beside the program, else the user's choice; nothing when
// the user cancels the dialog.
std::optional<std::string> ChooseDatabase(RunContext& context, const PathSpec& pattern) {
  auto& files = context.machine.Files();
  platform::FindData found;
  int matches = 0;
  std::string firstMatch;
  if (auto search = files.FindFirst(pattern, found)) {
    firstMatch = found.name;
    for (matches = 1; search->Next(found);) ++matches;
  }
  if (matches == 1) return PathSpec(context, "1|").Append(firstMatch).Text();

  platform::OpenFileRequest request;
  request.filter = context.machine.Texts().Load(IDS_FILTER_DATABASE);
  request.defaultExtension = "cdb";
  request.flags = platform::ofn::kFileMustExist | platform::ofn::kHideReadOnly;
  return context.machine.Ask().OpenFile(request);
}

void ReportLoadFailure(RunContext& context, const std::string& path) {
  const std::string text = LoadText(context.machine.Texts(), IDS_CANNOT_LOAD_DATABASE, {DisplayForm(path)});
  context.machine.Ask().MessageBox(text, platform::Buttons::Ok, platform::Icon::Warning);
}

}  // namespace

std::string ArgumentsAfterProgram(std::string_view line) {
  size_t at = 0;
  if (!line.empty() && line.front() == '"') {
    const size_t close = line.find('"', 1);
    at = close == std::string_view::npos ? line.size() : close + 1;
  } else {
    while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
  }
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
  return std::string(line.substr(at));
}

std::string DatabasePathFromCommandLine(std::string_view commandLine) {
  // No Windows file name ends in a blank; launchers may add one.
  while (!commandLine.empty() && (commandLine.back() == ' ' || commandLine.back() == '\t')) {
    commandLine.remove_suffix(1);
  }
  if (!commandLine.empty() && commandLine.front() == '"') {
    // The path ends at its closing quote, or with the line when that is missing.
    commandLine.remove_prefix(1);
    return std::string(commandLine.substr(0, commandLine.find('"')));
  }
  return std::string(commandLine);
}

platform::HResult MeasureAndLoad(RunContext& context, ConfigDatabase& database, const std::string& path) {
  Measure(context, database.systemInfo);
  const platform::HResult loaded = database.Load(context, path);
  // Measuring ran before the application was located, on the program's drive.
  if (loaded == platform::kSOk) MeasureDiskSpace(context, database.systemInfo);
  return loaded;
}

StartupOutcome RunStartup(RunContext& context, std::string_view commandLine, WizardRunner& wizard) {
  // 1. The database, empty, with its standard sections.
  auto database = std::make_unique<ConfigDatabase>();
  // 2. The first path expanded fills the location table; the application
  //    folder is still the program's own folder.
  const PathSpec pattern(context, "1|*.cdb");
  // 3. The 3-D control look is the platform's own on every Windows we run on.
  // 4. The database path.
  std::string path;
  if (!commandLine.empty()) {
    path = DatabasePathFromCommandLine(commandLine);
  } else if (auto chosen = ChooseDatabase(context, pattern)) {
    path = *chosen;
  } else {
    return StartupOutcome::NoDatabaseChosen;
  }
  // 5–6. System information, then the database itself.
  if (MeasureAndLoad(context, *database, path) != platform::kSOk) {
    ReportLoadFailure(context, path);
    return StartupOutcome::LoadFailed;
  }
  // 7–9. File information, the usage database, the minimum requirements.
  // Their failures are the steps' own to report; start-up goes on.
  static_cast<void>(PrepareFileInfo(context, *database));
  static_cast<void>(UpdateUsageDatabase(context, path, database.get()));
  static_cast<void>(ReadRequirements(*database, database->minimumRequirements));
  // 10. Saved answers, then user information.
  Session session;
  session.answers = LoadAnswers(context);
  session.userInfo = LoadUserInfo(context);
  // 11. Document types, with icons.
  RegisterDocumentTypes(context.machine, RegisterIcons::Yes);
  // 12–13. The wizard, then the report unless it was cancelled.
  if (RunWizard(context, *database, session, wizard) == WizardResult::Cancelled) {
    return StartupOutcome::Cancelled;
  }
  std::string reportPath;
  static_cast<void>(WriteReport(context, *database, session.answers, session.userInfo, reportPath));
  // 14. The database goes with this scope.
  return StartupOutcome::Finished;
}

}  // namespace cvn
