#include "checks/LoadCheck.h"

#include <vector>

#include "config/ApplicationView.h"
#include "config/ConfigDatabase.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "config/ValueFormats.h"
#include "platform/ProgressDialog.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

struct Checker {
  std::string program;
  uint32_t creationFlags = 0;
  int bitness = bitness::kUnknown;
};

// The three checkers: 16-bit, x86 and x64.
struct Checkers {
  Checker bits16;
  Checker bits32;
  Checker bits64;
};

constexpr const char* kCheckerNames[] = {"X|Lodvex32.exe", "X|Lodvex64.exe", "X|Lodvex16.exe"};

std::string Quoted(const std::string& part) { return '"' + part + '"'; }

Checkers AllCheckers(RunContext& context) {
  return {{PathSpec(context, "X|Lodvex16.exe").Text(), lodvex::kSeparateWowVdm, bitness::k16},
          {PathSpec(context, "X|Lodvex32.exe").Text(), 0, bitness::k32},
          {PathSpec(context, "X|Lodvex64.exe").Text(), 0, bitness::k64}};
}

// The checkers to try for a file of the given bitness: only the one that can
// load it when its headers tell; otherwise the 32-bit checker first for a
// 32-bit application and the 16-bit one first for a 16-bit application.
std::vector<const Checker*> CheckersFor(const Checkers& checkers, int fileBitness, bool appWin32) {
  switch (fileBitness) {
    case bitness::k16: return {&checkers.bits16};
    case bitness::k32: return {&checkers.bits32};
    case bitness::k64: return {&checkers.bits64};
    default:
      if (appWin32) return {&checkers.bits32, &checkers.bits16};
      return {&checkers.bits16, &checkers.bits32};
  }
}

// Every checker must be there; the first one missing is named to the user.
bool CheckersPresent(RunContext& context) {
  for (const char* checker : kCheckerNames) {
    const PathSpec program(context, checker);
    if (context.machine.Files().GetAttributes(program) == platform::attr::kInvalid) {
      context.machine.Ask().MessageBox(LoadText(context.machine.Texts(), IDS_LOAD_CHECKER_MISSING, {program.Text()}),
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

// The bitness of the module the checker will load: the file at its expected
// place, else the one the search path gives.
int ModuleBitness(RunContext& context, const std::string& expectedPath, const std::string& fileName) {
  const int expected = ImageBitness(context.machine, expectedPath);
  if (expected != bitness::kUnknown) return expected;
  const std::string found = context.machine.Files().SearchPath(fileName);
  return found.empty() ? bitness::kUnknown : ImageBitness(context.machine, found);
}

void CheckItem(RunContext& context, const Checkers& checkers, bool appWin32, FileItem& item) {
  const PathSpec expected(context, std::string{item.folderCode, '|'} + item.Name());
  bool anyRan = false;
  for (const Checker* checker : CheckersFor(checkers, ModuleBitness(context, expected, item.Name()), appWin32)) {
    const auto code = RunChecker(context, *checker, expected, item.Name());
    if (!code) continue;
    anyRan = true;
    if (*code == lodvex::kLoaded || *code == lodvex::kLoadedElsewhere) {
      item.bitness = checker->bitness;
      if (*code == lodvex::kLoadedElsewhere) item.loadResult = loadresult::kUnexpectedFolder;
      return;
    }
    if (*code == lodvex::kNothingToReport) return;
  }
  // A checker that cannot run here says nothing about the module.
  if (!anyRan) {
    item.loadResult = loadresult::kNotChecked;
  } else if (item.bitness == bitness::kUnknown) {
    item.loadResult = loadresult::kNotLoaded;
  }
}

int Percent(size_t done, size_t total) { return static_cast<int>(done * 100 / total); }

}  // namespace

std::string CheckerCommandLine(const std::string& program, const std::string& expectedPath,
                               const std::string& fileName) {
  return Quoted(program) + ' ' + Quoted(expectedPath) + ' ' + Quoted(fileName);
}

platform::HResult RunDllLoadCheck(RunContext& context, ConfigDatabase& database, ProgressDialogs& dialogs) {
  if (!CheckersPresent(context)) {
    database.loadCheckIncomplete = true;
    return platform::kEFail;
  }
  platform::Strings& texts = context.machine.Texts();
  const auto progress = dialogs.Open(LoadText(texts, IDS_PERFORMING_LOAD_CHECK), {});
  const Checkers checkers = AllCheckers(context);
  const std::vector<FileItem*> items = ItemsToCheck(database);
  for (size_t done = 0; done < items.size(); ++done) {
    FileItem& item = *items[done];
    progress->SetMessage(LoadText(texts, IDS_CHECKING_FILE, {item.Name()}));
    progress->SetProgress(Percent(done, items.size()));
    if (!progress->PumpMessages() || progress->Cancelled()) {
      database.loadCheckIncomplete = true;
      progress->Close();
      return platform::kEFail;
    }
    CheckItem(context, checkers, database.appWin32, item);
  }
  database.loadCheckIncomplete = false;
  progress->Close();
  return platform::kSOk;
}

bool RunPendingDllLoadCheck(RunContext& context, ConfigDatabase& database, ProgressDialogs& dialogs,
                            int loadsAnswer) {
  if (loadsAnswer == answer::kYes || !context.loadCheckPending) return false;
  context.loadCheckPending = false;
  static_cast<void>(RunDllLoadCheck(context, database, dialogs));
  return true;
}

}  // namespace cvn
