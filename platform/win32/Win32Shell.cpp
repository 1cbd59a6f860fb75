// The program's icons, the first icon of a file, and lstrcmp.
#include "platform/win32/Win32Shell.h"

#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {

IconHandle Win32Shell::LoadIcon(int id) {
  const HINSTANCE program = ::GetModuleHandleA(nullptr);
  return reinterpret_cast<IconHandle>(
      ::LoadIconA(program, MAKEINTRESOURCEA(static_cast<WORD>(id))));
}

IconHandle Win32Shell::ExtractIcon(const std::string& path, int index) {
  const HICON icon =
      ::ExtractIconA(::GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(index));
  // ExtractIcon answers 1 for a file that is not an executable or icon file.
  const auto handle = reinterpret_cast<IconHandle>(icon);
  return handle == 1 ? 0 : handle;
}

int Win32Shell::CompareText(const std::string& a, const std::string& b) {
  return ::lstrcmpA(a.c_str(), b.c_str());
}

bool Win32Shell::OpenDocument(const std::string& path) {
  // ShellExecute answers a value above 32 on success.
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace cvn::platform::win32
