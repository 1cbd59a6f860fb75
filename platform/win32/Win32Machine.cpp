// Puts the Win32 services together as one machine.
#include "platform/win32/Win32Machine.h"

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32Prompts.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Strings.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/Win32VersionInfo.h"

namespace cvn::platform::win32 {
namespace {

class Win32Machine final : public Machine {
 public:
  FileSystem& Files() override { return files_; }
  Profile& Ini() override { return ini_; }
  Registry& Reg() override { return registry_; }
  VersionInfo& Versions() override { return versions_; }
  SystemInfo& System() override { return system_; }
  Processes& Procs() override { return processes_; }
  Prompts& Ask() override { return prompts_; }
  Strings& Texts() override { return strings_; }
  Shell& Desktop() override { return shell_; }

 private:
  Win32FileSystem files_;
  Win32Profile ini_;
  Win32Registry registry_;
  Win32VersionInfo versions_;
  Win32SystemInfo system_;
  Win32Processes processes_;
  Win32Prompts prompts_;
  Win32Strings strings_;
  Win32Shell shell_;
};

}  // namespace

std::unique_ptr<Machine> CreateWin32Machine() { return std::make_unique<Win32Machine>(); }

}  // namespace cvn::platform::win32
