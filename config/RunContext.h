// The state one run of Corvane shares across subsystems. A test creates a
// fresh one per case instead of relying on process-wide globals.
#pragma once

#include <cstdint>
#include <string>

#include "config/Locations.h"
#include "config/TextCase.h"
#include "platform/Machine.h"

namespace cvn {

class FolderListings;

struct RunContext {
  // Names follow the letter case of the machine's code page from here on.
  explicit RunContext(platform::Machine& m) : machine(m) { UseCaseRules(m.Texts().LetterCase()); }

  platform::Machine& machine;
  Locations locations;       // the location table, filled on first use
  std::string appName;       // "AppName" of App Info
  bool appWin32 = true;      // "AppWin32" of App Info
  // The bitness code of the application's program file (bitness::k64 ...)
  // and the view of 64-bit Windows the run reads, once the application is
  // located (SelectApplicationView).
  int appBitness = 0;
  platform::View view = platform::View::Native;
  bool isNt = false;         // the measured platform is Windows NT
  bool loadCheckPending = true;  // the DLL load check has not been tried yet
  int32_t configFiles = -1;    // FILES of CONFIG.SYS; -1 until read
  int32_t configBuffers = -1;  // BUFFERS of CONFIG.SYS; -1 until read
  // Shared by the file checks while a SharedFolderListings lives.
  FolderListings* folderListings = nullptr;
};

}  // namespace cvn
