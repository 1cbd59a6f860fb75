#include "checks/PeModules.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>
#include <span>
#include <unordered_set>

#include "config/ApplicationView.h"
#include "config/Items.h"
#include "config/TextCase.h"
#include "util/pe/ImportTable.h"
#include "util/pe/PeFile.h"
#include "util/text/WindowsPath.h"

namespace cvn {

namespace {

std::string FourParts(uint32_t ms, uint32_t ls) {
  char text[48];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", ms >> 16, ms & 0xFFFFu, ls >> 16, ls & 0xFFFFu);
  return text;
}

std::optional<std::string> FixedVersionText(const platform::FixedFileInfo& fixed) {
  if (fixed.fileVersionMS != 0 || fixed.fileVersionLS != 0) return FourParts(fixed.fileVersionMS, fixed.fileVersionLS);
  if (fixed.productVersionMS != 0 || fixed.productVersionLS != 0) {
    return FourParts(fixed.productVersionMS, fixed.productVersionLS);
  }
  return std::nullopt;
}

// A string of the first translation of a version block.
std::optional<std::string> TranslatedString(platform::VersionInfo& versions, const platform::Bytes& block,
                                            const std::string& name) {
  const auto translations = versions.QueryTranslations(block);
  if (translations.empty()) return std::nullopt;
  char subBlock[64];
  std::snprintf(subBlock, sizeof subBlock, "\\StringFileInfo\\%04x%04x\\",
                unsigned{translations.front().language}, unsigned{translations.front().codePage});
  return versions.QueryString(block, subBlock + name);
}

// Restores the current folder when the walk is over, however it ends.
class CurrentFolderScope {
 public:
  CurrentFolderScope(platform::FileSystem& files, const std::string& folder) : files_(files) {
    if (folder.empty()) return;
    previous_ = files.CurrentDirectory();
    changed_ = files.SetCurrentDirectory(folder);
  }
  ~CurrentFolderScope() {
    if (changed_) files_.SetCurrentDirectory(previous_);
  }
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

 private:
  platform::FileSystem& files_;
  std::string previous_;
  bool changed_ = false;
};

class DependencyWalk {
 public:
  explicit DependencyWalk(platform::FileSystem& files) : files_(files) {}

  // The status of reading `path`; on success the module and what it needs
  // are in the list.
  int Visit(const std::string& path, int depth) {
    const auto bytes = files_.ReadFile(path);
    if (!bytes) return depstatus::kCannotOpen;
    const auto imports = ImportedModuleNames(*bytes);
    if (!imports) return depstatus::kNotPe;
    const size_t index = modules_.size();
    modules_.push_back({FileNameOf(path), path, depth, {}});
    listed_.insert(ToLower(modules_.back().fileName));
    for (const auto& name : *imports) VisitImport(index, name, depth + 1);
    return depstatus::kRead;
  }

  std::vector<ModuleDependency> TakeModules() {
    std::reverse(modules_.begin(), modules_.end());
    return std::move(modules_);
  }

  bool Listed(const std::string& name) const { return listed_.count(ToLower(name)) != 0; }

 private:
  void VisitImport(size_t importer, const std::string& name, int depth) {
    if (Listed(name)) return;
    const std::string found = files_.SearchPath(name);
    if (found.empty()) {
      modules_[importer].missing.push_back({name, depth});
      return;
    }
    Visit(found, depth);
  }

  platform::FileSystem& files_;
  std::vector<ModuleDependency> modules_;
  // The names listed, in lower case: a walk from many files asks often.
  std::unordered_set<std::string> listed_;
};

}  // namespace

platform::HResult ReadFileVersion(platform::Machine& machine, const std::string& path, std::string& version) {
  platform::VersionInfo& versions = machine.Versions();
  if (versions.GetSize(path) == 0) return platform::kEFail;
  const auto block = versions.GetInfo(path);
  if (!block) return platform::kEFail;
  std::optional<std::string> text;
  if (const auto fixed = versions.QueryFixed(*block)) text = FixedVersionText(*fixed);
  if (!text) text = TranslatedString(versions, *block, "FileVersion");
  if (!text) return platform::kEFail;
  version = *text;
  return platform::kSOk;
}

std::optional<std::string> ReadVersionString(platform::Machine& machine, const std::string& path,
                                             const std::string& name) {
  platform::VersionInfo& versions = machine.Versions();
  if (versions.GetSize(path) == 0) return std::nullopt;
  const auto block = versions.GetInfo(path);
  if (!block) return std::nullopt;
  return TranslatedString(versions, *block, name);
}

pe::ExeKind ExecutableKind(platform::Machine& machine, const std::string& path) {
  return ReadImageHeader(machine, path).kind;
}

std::optional<std::vector<std::string>> ImportedModuleNames(const platform::Bytes& bytes) {
  if (pe::ClassifyExecutable(bytes) != pe::ExeKind::Pe) return std::nullopt;
  const auto parsed = pe::PeFile::Parse(bytes);
  if (!parsed) return std::nullopt;
  return pe::ReadImportedModules(*parsed).modules;
}

int BitnessOfKind(pe::ExeKind kind) { return BitnessOfBits(pe::KindBits(kind)); }

ModuleDependencies ListModuleDependencies(platform::Machine& machine, const std::string& path) {
  return ListModuleDependencies(machine, std::vector<std::string>{path});
}

ModuleDependencies ListModuleDependencies(platform::Machine& machine, const std::vector<std::string>& paths) {
  ModuleDependencies result;
  try {
    DependencyWalk walk(machine.Files());
    for (size_t i = 0; i < paths.size(); ++i) {
      if (i > 0 && walk.Listed(FileNameOf(paths[i]))) continue;
      CurrentFolderScope scope(machine.Files(), FolderOf(paths[i]));
      const int status = walk.Visit(paths[i], 0);
      if (i == 0) result.status = status;
    }
    result.modules = walk.TakeModules();
  } catch (const std::bad_alloc&) {
    result = {depstatus::kOutOfMemory, {}};
  }
  return result;
}

}  // namespace cvn
