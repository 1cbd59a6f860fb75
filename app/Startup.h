// One run of Corvane, from the command line to the report: choose and load
// the configuration database, gather the facts, run the wizard, write the
// report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/RunContext.h"
#include "platform/Types.h"
#include "resources/StringIds.h"
#include "ui/WizardRunner.h"

namespace cvn {

// How start-up ended; the process exits with 0 whatever it is.
enum class StartupOutcome {
  NoDatabaseChosen,  // the Open-file dialog was cancelled
  LoadFailed,        // IDS_CANNOT_LOAD_DATABASE was shown
  Cancelled,         // the wizard was cancelled: no report
  Finished,          // the wizard finished and the report was written
};

// What follows the program name on a full command line, as WinMain's
// command line: the name (quoted or not) and the blanks after it removed.
std::string ArgumentsAfterProgram(std::string_view fullCommandLine);

// The database path the command line names: the line itself without
// trailing blanks, or, when it starts with a double quote, the text up to
// the closing quote (to the end of the line when there is none).
std::string DatabasePathFromCommandLine(std::string_view commandLine);

class ConfigDatabase;

// Measures the machine into the database's measured profile, then loads the
// .cdb at `path`, which locates the application, and measures the free
// space of the application drive again now that it is known. The result of
// the load (0, or platform::kEFail after its message).
platform::HResult MeasureAndLoad(RunContext& context, ConfigDatabase& database, const std::string& path);

// Runs the wizard through `wizard`: the property sheet on Windows.
StartupOutcome RunStartup(RunContext& context, std::string_view commandLine, WizardRunner& wizard);

}  // namespace cvn
