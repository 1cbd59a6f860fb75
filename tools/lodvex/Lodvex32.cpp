// Lodvex32.exe: loads one module the way an application would, by its bare
// name, and tells by the exit code where it came from.
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

// The path in one spelling: full, and short where the file system has short
// names, so that "C:\Progra~1\x.dll" and "c:\program files\X.DLL" compare equal.
std::string Canonical(const std::string& path) {
  char full[MAX_PATH];
  char* filePart = nullptr;
  const DWORD fullLength = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, &filePart);
  const std::string fullPath = fullLength > 0 && fullLength < MAX_PATH ? full : path;
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
  // The application runs with its own folder current, so the search that
  // finds its modules looks there after this program's folder.
  const std::string folder = FolderOf(expectedPath);
  if (!folder.empty()) ::SetCurrentDirectoryA(folder.c_str());
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
  return Check(argv[1], argv[2]);
}
