// cvntool: prints what Corvane sees, for the vendor who writes a .cdb and
// for support staff. It never opens a window.
#include <iostream>
#include <string>
#include <vector>

#include "config/RunContext.h"
#include "tools/cvntool/CheckCommand.h"
#include "tools/cvntool/DumpCommand.h"
#include "tools/cvntool/FdbCommand.h"
#include "tools/cvntool/FileCommand.h"
#include "tools/cvntool/FixCommand.h"
#include "tools/cvntool/HarvestCommand.h"
#include "tools/cvntool/LintCommand.h"
#include "tools/cvntool/Options.h"
#include "tools/cvntool/ReportCommand.h"
#include "tools/cvntool/SummaryCommand.h"
#include "tools/cvntool/ToolMachine.h"
#include "tools/cvntool/UsageCommands.h"

int main(int argc, char** argv) {
  using namespace cvn::tool;
  std::string error;
  const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "cvntool: " << error << '\n' << kUsage;
    return 2;
  }
  using Command = int (*)(cvn::RunContext&, const Options&, std::ostream&, std::ostream&);
  Command command = nullptr;
  if (options->command == "dump") command = RunDump;
  if (options->command == "file") command = RunFile;
  if (options->command == "fdb") command = RunFdb;
  if (options->command == "report") command = RunReport;
  if (options->command == "udb") command = RunUdb;
  if (options->command == "changes") command = RunChanges;
  if (options->command == "fix") command = RunFix;
  if (options->command == "lint") command = RunLint;
  if (options->command == "check") command = RunCheck;
  if (options->command == "harvest") command = RunHarvest;
  // A fleet's reports are read from a folder, not from a machine.
  if (options->command == "summary") return RunSummary(*options, std::cout, std::cerr);
  if (command == nullptr) {
    std::cerr << "cvntool: unknown command " << options->command << '\n' << kUsage;
    return 2;
  }
  auto inner = OpenMachine(options->machineImage, error);
  if (!inner && options->command == "check") return CheckWithoutMachine(*options, error, std::cout, std::cerr);
  if (!inner) {
    std::cerr << "cvntool: " << error << '\n';
    return 1;
  }
  ToolMachine machine(std::move(inner), std::cerr, options->appFolder);
  cvn::RunContext context(machine);
  return command(context, *options, std::cout, std::cerr);
}
