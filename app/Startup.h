// One run of Corvane, from the command line to the report: choose and load
// the configuration database, gather the facts, run the wizard, write the
// report.
#pragma once

#include <string>
#include <string_view>

#include "config/RunContext.h"
#include "ui/WizardRunner.h"

namespace cvn {

// How start-up ended; the process exits with 0 whatever it is.
enum class StartupOutcome {
  NoDatabaseChosen,  // the Open-file dialog was cancelled
  LoadFailed,        // 10072 was shown
  Cancelled,         // the wizard was cancelled: no report
  Finished,          // the wizard finished and the report was written
};

// What follows the program name on a full command line, as WinMain's
// command line: the name (quoted or not) and the blanks after it removed.
std::string ArgumentsAfterProgram(std::string_view fullCommandLine);

// The database path the command line names: the line itself, or the text
// between its enclosing double quotes.
std::string DatabasePathFromCommandLine(std::string_view commandLine);

// Runs the wizard through `wizard`: the property sheet on Windows.
StartupOutcome RunStartup(RunContext& context, std::string_view commandLine, WizardRunner& wizard);

}  // namespace cvn
