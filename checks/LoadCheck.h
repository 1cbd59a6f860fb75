// The DLL load check: external checkers load every DLL and control of the
// database and tell by their exit code whether it loaded, and whether from
// its expected file. A process loads only modules of its own bitness, so
// each file goes to the checker its headers call for: Lodvex16.exe,
// Lodvex32.exe (x86) or Lodvex64.exe (x64). The results go into the FileItems.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"
#include "resources/StringIds.h"

namespace cvn {

struct RunContext;
class ConfigDatabase;
class ProgressDialogs;

// The exit codes of the checkers; any other code means "not loaded".
namespace lodvex {
inline constexpr uint32_t kNothingToReport = 0;
inline constexpr uint32_t kLoaded = 101;
inline constexpr uint32_t kLoadedElsewhere = 102;
// CREATE_SEPARATE_WOW_VDM: the 16-bit checker runs in a machine of its own.
inline constexpr uint32_t kSeparateWowVdm = 0x00000800;
}  // namespace lodvex

// The checker's command line. Every part is quoted, so that a path with a
// blank ("C:\Program Files\...") still reaches the checker as one argument.
std::string CheckerCommandLine(const std::string& program, const std::string& expectedPath,
                               const std::string& fileName);

// Runs the checkers over "DLL Info" and "Active X/OCX/VBX Info" under a
// progress dialog. 0 when it ran to the end; platform::kEFail when a
// checker is missing (after message IDS_LOAD_CHECKER_MISSING) or the user cancelled, with the
// database's incomplete flag set and the results so far kept.
platform::HResult RunDllLoadCheck(RunContext& context, ConfigDatabase& database, ProgressDialogs& dialogs);

// Runs the load check the first time it is asked for when the answer to
// "Does the application load successfully?" is not Yes; never again in the
// run, whatever the outcome. True when it ran.
bool RunPendingDllLoadCheck(RunContext& context, ConfigDatabase& database, ProgressDialogs& dialogs,
                            int loadsAnswer);

}  // namespace cvn
