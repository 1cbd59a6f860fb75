#include "checks/SystemProfileTempFiles.h"

#include <functional>
#include <utility>
#include <vector>

#include "checks/SystemProfileRegistry.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "config/TextCase.h"

namespace cvn {

namespace {

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

// Calls `visit` with the full name and entry of everything "*.*" finds
// directly in the folder.
void ForEachEntry(RunContext& context, TempFolder which,
                  const std::function<void(const std::string&, const platform::FindData&)>& visit) {
  const std::string folder = WithBackslash(TempFolderPath(context, which));
  if (folder.empty()) return;
  platform::FindData entry;
  const auto search = context.machine.Files().FindFirst(folder + "*.*", entry);
  if (search == nullptr) return;
  do {
    visit(folder + entry.name, entry);
  } while (search->Next(entry));
}

std::string Normalized(platform::FileSystem& files, const std::string& folder) {
  std::string full = files.FullPathName(folder);
  while (!full.empty() && full.back() == '\\') full.pop_back();
  return ToLower(full);
}

// A folder is emptied only when it is none of the folders Windows and the
// application live in, and holds none of them: the names come from the
// Registry, where a drive root or the Windows folder may stand.
bool MayEmpty(RunContext& context, const std::string& folder) {
  platform::FileSystem& files = context.machine.Files();
  const std::string candidate = Normalized(files, folder);
  if (candidate.empty() || candidate.find('\\') == std::string::npos) return false;  // a drive root
  const std::string kept[] = {files.WindowsDirectory(), files.SystemDirectory(), PathSpec(context, "1|").Text()};
  for (const std::string& keptFolder : kept) {
    const std::string k = Normalized(files, keptFolder);
    if (k.empty()) continue;
    if (k == candidate || k.starts_with(candidate + "\\")) return false;
  }
  return true;
}

}  // namespace

std::string TempFolderPath(RunContext& context, TempFolder which) {
  platform::Registry& registry = context.machine.Reg();
  switch (which) {
    case TempFolder::Windows:
      return context.machine.Files().TempPath();
    case TempFolder::Netscape:
      return ReadRegistryText(registry, platform::hkey::kCurrentUser,
                              "Software\\Netscape\\Netscape Navigator\\Cache", "Cache Dir")
          .value_or("");
    case TempFolder::InternetExplorer:
      return ReadRegistryText(registry, platform::hkey::kLocalMachine,
                              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Main",
                              "Cache_Directory")
          .value_or("");
  }
  return {};
}

int64_t TemporarySpaceUsed(RunContext& context, TempFolder which) {
  uint64_t used = 0;
  ForEachEntry(context, which, [&](const std::string&, const platform::FindData& entry) {
    used += entry.size;
  });
  return static_cast<int64_t>(used);
}

uint64_t DeleteTemporaryFiles(RunContext& context, TempFolder which) {
  if (!MayEmpty(context, TempFolderPath(context, which))) return 0;
  platform::FileSystem& files = context.machine.Files();
  // The names are gathered first, so that no file is deleted under an open search.
  std::vector<std::pair<std::string, uint64_t>> doomed;
  ForEachEntry(context, which, [&](const std::string& path, const platform::FindData& entry) {
    if ((entry.attributes & platform::attr::kDirectory) == 0) doomed.emplace_back(path, entry.size);
  });
  uint64_t freed = 0;
  for (const auto& [path, size] : doomed) {
    if (!files.IsFileInUse(path) && files.DeleteFile(path)) freed += size;
  }
  return freed;
}

}  // namespace cvn
