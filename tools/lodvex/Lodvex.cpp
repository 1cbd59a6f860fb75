// Lodvex32.exe and Lodvex64.exe, one source built for x86 and for x64: each
// loads one module of its own bitness the way an application would, by its
// bare name, and tells by the exit code where it came from.
//
//   Lodvex32.exe "<expected full path>" "<file name>"
//
// Exit codes: 101 loaded from the expected path; 102 loaded from another
// file; 100 not loaded; 0 nothing to report (the command line does not
// hold exactly the two arguments).
#include <windows.h>

#include <string>

namespace {

constexpr int kNothingToReport = 0;
constexpr int kNotLoaded = 100;
constexpr int kLoaded = 101;
constexpr int kLoadedElsewhere = 102;

// A kernel32 function that older Windows versions lack; null there.
template <typename Function>
Function Kernel32(const char* name) {
  const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(kernel, name)));
}

// Windows before XP SP1 has no SetDllDirectory; the current folder then
// comes right after the system folders only where safe search is off.
void SearchFirst(const std::string& folder) {
  if (const auto set = Kernel32<BOOL(WINAPI*)(LPCSTR)>("SetDllDirectoryA")) set(folder.c_str());
}

// A folder as a sized call gives it; empty when the call fails.
template <typename Call>
std::string FolderFrom(Call call) {
  char folder[MAX_PATH];
  const UINT length = call(folder, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

// `path` with its leading `from` folder replaced by `to`, when it has one.
std::string Replaced(const std::string& path, const std::string& from, const std::string& to) {
  const bool below = !from.empty() && !to.empty() && path.size() > from.size() && path[from.size()] == '\\' &&
                     ::CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, path.c_str(),
                                      static_cast<int>(from.size()), from.c_str(),
                                      static_cast<int>(from.size())) == CSTR_EQUAL;
  return below ? to + path.substr(from.size()) : path;
}

// On 64-bit Windows the caller names a System folder as a program of the
// module's bitness sees it: a 32-bit program reaches SysWOW64 under the
// System folder's name, and a 32-bit caller reaches the 64-bit System folder
// as "Sysnative", which a 64-bit program does not have. Each path is taken
// to the folder this program reaches the same files by.
std::string Unredirected(const std::string& path) {
  const std::string system = FolderFrom([](LPSTR folder, UINT size) { return ::GetSystemDirectoryA(folder, size); });
  BOOL wow64 = FALSE;
  const auto isWow64 = Kernel32<BOOL(WINAPI*)(HANDLE, PBOOL)>("IsWow64Process");
  if (isWow64 != nullptr && isWow64(::GetCurrentProcess(), &wow64) && wow64) {
    const auto wow64Folder = Kernel32<UINT(WINAPI*)(LPSTR, UINT)>("GetSystemWow64DirectoryA");
    return wow64Folder == nullptr ? path : Replaced(path, system, FolderFrom(wow64Folder));
  }
  const std::string windows = FolderFrom([](LPSTR folder, UINT size) { return ::GetWindowsDirectoryA(folder, size); });
  return Replaced(path, windows.empty() ? windows : windows + "\\Sysnative", system);
}

// The path in one spelling: full, and short where the file system has short
// names, so that "C:\Progra~1\x.dll" and "c:\program files\X.DLL" compare equal.
std::string Canonical(const std::string& path) {
  char full[MAX_PATH];
  char* filePart = nullptr;
  const DWORD fullLength = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, &filePart);
  const std::string fullPath = Unredirected(fullLength > 0 && fullLength < MAX_PATH ? full : path);
  char shortened[MAX_PATH];
  const DWORD shortLength = ::GetShortPathNameA(fullPath.c_str(), shortened, MAX_PATH);
  return shortLength > 0 && shortLength < MAX_PATH ? shortened : fullPath;
}

// The folder of a path, without its last backslash; empty without one.
std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ModulePath(HMODULE module) {
  char path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(module, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

int Check(const std::string& expectedPath, const std::string& fileName) {
  // No "cannot find a DLL" or critical-error box: the answer is the exit code.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  // An application finds its modules in its own folder before the system
  // folders. The expected folder stands for it: current, and, where the
  // system has SetDllDirectory, searched right after this program's folder,
  // ahead of the system folders that the safe search order puts before the
  // current one.
  const std::string folder = FolderOf(expectedPath);
  if (!folder.empty()) {
    ::SetCurrentDirectoryA(folder.c_str());
    SearchFirst(folder);
  }
  const HMODULE module = ::LoadLibraryA(fileName.c_str());
  if (module == nullptr) return kNotLoaded;
  const std::string loadedFrom = ModulePath(module);
  const bool expected = lstrcmpiA(Canonical(loadedFrom).c_str(), Canonical(expectedPath).c_str()) == 0;
  ::FreeLibrary(module);
  return expected ? kLoaded : kLoadedElsewhere;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return kNothingToReport;
  return Check(Unredirected(argv[1]), argv[2]);
}
