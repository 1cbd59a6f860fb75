// The Windows headers, for the Win32 services only. The platform interfaces
// name their methods after the calls they wrap (CopyFile, MessageBox, ...),
// so the A/W macros of the headers are removed here; the services call the
// A functions by their full names.
#pragma once

#include <windows.h>
// These two need windows.h before them.
#include <commdlg.h>
#include <shellapi.h>

#undef CopyFile
#undef CreateDirectory
#undef DeleteFile
#undef ExtractIcon
#undef GetDiskFreeSpace
#undef GetDriveType
#undef LoadIcon
#undef MessageBox
#undef MoveFile
#undef RemoveDirectory
#undef SearchPath
#undef SetCurrentDirectory

namespace cvn::platform::win32 {

// GetProcAddress for a function that older Windows versions lack (Windows
// 95 has no GetDiskFreeSpaceEx or GlobalMemoryStatusEx). Null when absent.
template <typename Function>
Function FindExport(const char* module, const char* name) {
  const HMODULE handle = ::GetModuleHandleA(module);
  if (handle == nullptr) return nullptr;
  // Through void(*)(), the one function pointer type every other converts to
  // without a cast-function-type warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(handle, name)));
}

// True on 64-bit Windows, whichever bitness this program has.
inline bool On64BitWindows() {
#ifdef _WIN64
  return true;
#else
  BOOL wow64 = FALSE;
  const auto isWow64 = FindExport<BOOL(WINAPI*)(HANDLE, PBOOL)>("kernel32.dll", "IsWow64Process");
  return isWow64 != nullptr && isWow64(::GetCurrentProcess(), &wow64) && wow64;
#endif
}

}  // namespace cvn::platform::win32
