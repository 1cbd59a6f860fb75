#include "checks/SystemProfileTempFiles.h"

#include <functional>
#include <vector>

#include "checks/SystemProfileRegistry.h"
#include "config/RunContext.h"

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

void DeleteTemporaryFiles(RunContext& context, TempFolder which) {
  // The names are gathered first, so that no file is deleted under an open search.
  std::vector<std::string> doomed;
  ForEachEntry(context, which, [&](const std::string& path, const platform::FindData& entry) {
    if ((entry.attributes & platform::attr::kDirectory) == 0) doomed.push_back(path);
  });
  for (const std::string& path : doomed) context.machine.Files().DeleteFile(path);
}

}  // namespace cvn
