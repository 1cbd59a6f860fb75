// Started programs and the restart of Windows.
#include "platform/win32/Win32Processes.h"

#include <vector>

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Handle.h"

namespace cvn::platform::win32 {
namespace {

class Win32Process final : public Process {
 public:
  explicit Win32Process(HANDLE process) : process_(process) {}

  bool Wait(uint32_t milliseconds) override {
    return ::WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
  }

  std::optional<uint32_t> ExitCode() override {
    DWORD code = 0;
    if (!::GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
  }

 private:
  OwnedHandle process_;
};

bool IsWindowsNt() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  return ::GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

using OpenProcessTokenFunction = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE*);
using LookupPrivilegeValueAFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, LUID*);
using AdjustTokenPrivilegesFunction = BOOL(WINAPI*)(HANDLE, BOOL, TOKEN_PRIVILEGES*, DWORD,
                                                    TOKEN_PRIVILEGES*, DWORD*);

// Windows NT lets a process shut the system down only once it has enabled
// the shutdown privilege in its own token. The token calls are looked up
// when needed, so that the program never depends on them on Windows 95.
void EnableShutdownPrivilege() {
  const auto openProcessToken =
      FindExport<OpenProcessTokenFunction>("advapi32.dll", "OpenProcessToken");
  const auto lookupPrivilegeValue =
      FindExport<LookupPrivilegeValueAFunction>("advapi32.dll", "LookupPrivilegeValueA");
  const auto adjustTokenPrivileges =
      FindExport<AdjustTokenPrivilegesFunction>("advapi32.dll", "AdjustTokenPrivileges");
  if (!openProcessToken || !lookupPrivilegeValue || !adjustTokenPrivileges) return;
  HANDLE token = nullptr;
  if (!openProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return;
  }
  const OwnedHandle owned(token);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (lookupPrivilegeValue(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
    adjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  }
}

}  // namespace

std::unique_ptr<Process> Win32Processes::Start(const std::string& commandLine,
                                               uint32_t creationFlags) {
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                        nullptr, &startup, &started)) {
    return nullptr;
  }
  ::CloseHandle(started.hThread);
  return std::make_unique<Win32Process>(started.hProcess);
}

bool Win32Processes::RestartWindows(uint32_t flags) {
  if (IsWindowsNt()) EnableShutdownPrivilege();
  return ::ExitWindowsEx(flags, 0);
}

}  // namespace cvn::platform::win32
