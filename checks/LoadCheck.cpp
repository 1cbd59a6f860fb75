#include "checks/LoadCheck.h"

#include <array>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "config/ValueFormats.h"
#include "ui/ProgressDialog.h"

namespace cvn {

namespace {

namespace text {
constexpr int kCheckerMissing = 10081;
constexpr int kPerforming = 10083;
constexpr int kChecking = 10084;
}  // namespace text

struct Checker {
  std::string program;
  uint32_t creationFlags = 0;
  int bitness = bitness::kUnknown;
};

std::string Quoted(const std::string& part) { return '"' + part + '"'; }

// The 32-bit checker first for a 32-bit application, the 16-bit one first otherwise.
std::array<Checker, 2> CheckersInOrder(RunContext& context, const ConfigDatabase& database) {
  const Checker checker32{PathSpec(context, "X|Lodvex32.exe").Text(), 0, bitness::k32};
  const Checker checker16{PathSpec(context, "X|Lodvex16.exe").Text(), lodvex::kSeparateWowVdm,
                          bitness::k16};
  if (database.appWin32) return {checker32, checker16};
  return {checker16, checker32};
}

// Both checkers must be there; the first one missing is named to the user.
bool CheckersPresent(RunContext& context) {
  for (const char* checker : {"X|Lodvex32.exe", "X|Lodvex16.exe"}) {
    const PathSpec program(context, checker);
    if (context.machine.Files().GetAttributes(program) == platform::attr::kInvalid) {
      context.machine.Ask().MessageBox(
          LoadText(context.machine.Texts(), text::kCheckerMissing, {program.Text()}),
          platform::Buttons::Ok, platform::Icon::Error);
      return false;
    }
  }
  return true;
}

std::vector<FileItem*> ItemsToCheck(const ConfigDatabase& database) {
  std::vector<FileItem*> items;
  for (const SectionId id : {SectionId::DllInfo, SectionId::ControlInfo}) {
    const ConfigSection* section = database.GetSection(id);
    if (section == nullptr) continue;
    for (size_t i = 0; i < section->Count(); ++i) {
      if (auto* item = section->ItemAs<FileItem>(i)) items.push_back(item);
    }
  }
  return items;
}

// The exit code of one checker run, or nothing when it could not be started.
std::optional<uint32_t> RunChecker(RunContext& context, const Checker& checker,
                                   const std::string& expectedPath, const std::string& fileName) {
  const auto process = context.machine.Procs().Start(
      CheckerCommandLine(checker.program, expectedPath, fileName), checker.creationFlags);
  if (process == nullptr || !process->Wait(platform::kWaitInfinite)) return std::nullopt;
  return process->ExitCode();
}

void CheckItem(RunContext& context, const std::array<Checker, 2>& checkers, FileItem& item) {
  const PathSpec expected(context, std::string{item.folderCode, '|'} + item.Name());
  for (const Checker& checker : checkers) {
    const auto code = RunChecker(context, checker, expected, item.Name());
    if (!code) continue;
    if (*code == lodvex::kLoaded || *code == lodvex::kLoadedElsewhere) {
      item.bitness = checker.bitness;
      if (*code == lodvex::kLoadedElsewhere) item.loadResult = loadresult::kUnexpectedFolder;
      return;
    }
    if (*code == lodvex::kNothingToReport) return;
  }
  if (item.bitness == bitness::kUnknown) item.loadResult = loadresult::kNotLoaded;
}

int Percent(size_t done, size_t total) { return static_cast<int>(done * 100 / total); }

}  // namespace

std::string CheckerCommandLine(const std::string& program, const std::string& expectedPath,
                               const std::string& fileName) {
  return Quoted(program) + ' ' + Quoted(expectedPath) + ' ' + Quoted(fileName);
}

int32_t RunDllLoadCheck(RunContext& context, ConfigDatabase& database, ProgressDialogs& dialogs) {
  if (!CheckersPresent(context)) {
    database.loadCheckIncomplete = true;
    return platform::kEFail;
  }
  platform::Strings& texts = context.machine.Texts();
  const auto progress = dialogs.Open(LoadText(texts, text::kPerforming), {});
  const std::array<Checker, 2> checkers = CheckersInOrder(context, database);
  const std::vector<FileItem*> items = ItemsToCheck(database);
  for (size_t done = 0; done < items.size(); ++done) {
    FileItem& item = *items[done];
    progress->SetMessage(LoadText(texts, text::kChecking, {item.Name()}));
    progress->SetProgress(Percent(done, items.size()));
    if (!progress->PumpMessages() || progress->Cancelled()) {
      database.loadCheckIncomplete = true;
      progress->Close();
      return platform::kEFail;
    }
    CheckItem(context, checkers, item);
  }
  database.loadCheckIncomplete = false;
  progress->Close();
  return platform::kSOk;
}

bool RunPendingDllLoadCheck(RunContext& context, ConfigDatabase& database, ProgressDialogs& dialogs,
                            int loadsAnswer) {
  if (loadsAnswer == answer::kYes || !context.loadCheckPending) return false;
  context.loadCheckPending = false;
  RunDllLoadCheck(context, database, dialogs);
  return true;
}

}  // namespace cvn
