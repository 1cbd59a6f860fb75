#include "tools/cvntool/HarvestFiles.h"

#include <algorithm>
#include <set>

#include "checks/PeModules.h"
#include "config/TextCase.h"
#include "util/pe/ExecutableKind.h"

namespace cvn::tool {

namespace {

struct KindOfFile {
  const char* extension;
  SectionId section;
};

constexpr KindOfFile kKinds[] = {
    {".exe", SectionId::ProgramInfo}, {".dll", SectionId::DllInfo},    {".ocx", SectionId::ControlInfo},
    {".vbx", SectionId::ControlInfo}, {".drv", SectionId::DriverInfo}, {".sys", SectionId::DriverInfo},
    {".vxd", SectionId::DriverInfo},  {".386", SectionId::DriverInfo},
};

bool IsDots(const std::string& name) { return name == "." || name == ".."; }

// Corvane's own programs, which the vendor ships beside the application:
// they are not the application's files, nor candidates for its program.
bool IsCorvaneProgram(const std::string& name) {
  for (const char* own : {"corvane.exe", "cvntool.exe", "Lodvex16.exe", "Lodvex32.exe", "Lodvex64.exe"}) {
    if (EqualsNoCase(name, own)) return true;
  }
  return false;
}

// The file's path in lower case, for lookups without regard to case.
std::string Key(const HarvestedFile& file) { return ToLower(JoinPath(file.folder, file.name)); }

bool NamesCompany(platform::Machine& machine, const std::string& path, const std::string& company) {
  const auto named = ReadVersionString(machine, path, "CompanyName");
  return named && EqualsNoCase(*named, company);
}

}  // namespace

std::string VersionNumbers(const std::string& version) {
  const size_t end = version.find_first_not_of("0123456789.");
  std::string numbers = version.substr(0, end);
  while (!numbers.empty() && numbers.back() == '.') numbers.pop_back();
  return numbers;
}

bool IsAtOrBelow(const std::string& path, const std::string& folder) {
  if (path.size() < folder.size() || !EqualsNoCase(std::string_view(path).substr(0, folder.size()), folder)) {
    return false;
  }
  return path.size() == folder.size() || path[folder.size()] == '\\' || folder.back() == '\\';
}

std::optional<SectionId> FileSectionOf(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return std::nullopt;
  const std::string extension = ToLower(std::string_view(name).substr(dot));
  for (const auto& kind : kKinds) {
    if (extension == kind.extension) return kind.section;
  }
  return std::nullopt;
}

bool CollectApplicationFiles(platform::FileSystem& files, Harvest& harvest, std::string& error) {
  // Breadth first, so that the folder's own files come before its subfolders'.
  std::vector<std::string> folders{harvest.appFolder};
  std::vector<std::pair<SectionId, std::string>> found;
  for (size_t next = 0; next < folders.size(); ++next) {
    const std::string folder = folders[next];
    platform::FindData data;
    auto search = files.FindFirst(JoinPath(folder, "*"), data);
    if (!search) {
      if (next == 0) {
        error = "cannot list " + folder;
        return false;
      }
      continue;
    }
    std::vector<std::string> subfolders;
    do {
      if (IsDots(data.name) || IsCorvaneProgram(data.name)) continue;
      if ((data.attributes & platform::attr::kDirectory) != 0) {
        subfolders.push_back(JoinPath(folder, data.name));
      } else if (const auto section = FileSectionOf(data.name)) {
        harvest.files.push_back({*section, data.name, folder, {}});
      }
    } while (search->Next(data));
    folders.insert(folders.end(), subfolders.begin(), subfolders.end());
  }
  return true;
}

bool DescribeApplication(platform::Machine& machine, const std::optional<std::string>& program, Harvest& harvest,
                         std::string& error) {
  std::vector<std::string> programs;
  for (const auto& file : harvest.files) {
    if (file.section == SectionId::ProgramInfo && EqualsNoCase(file.folder, harvest.appFolder)) {
      programs.push_back(file.name);
    }
  }
  if (program) {
    const auto it = std::find_if(programs.begin(), programs.end(),
                                 [&](const std::string& name) { return EqualsNoCase(name, *program); });
    if (it == programs.end()) {
      error = "--program " + *program + " is not a program in " + harvest.appFolder;
      return false;
    }
    harvest.appFileName = *it;
  } else if (programs.size() == 1) {
    harvest.appFileName = programs.front();
  } else {
    error = programs.empty() ? "there is no program (.exe) in " + harvest.appFolder
                             : "more than one program in " + harvest.appFolder + "; name one with --program:";
    for (const auto& name : programs) error += "\n  " + name;
    return false;
  }
  const std::string path = JoinPath(harvest.appFolder, harvest.appFileName);
  const auto product = ReadVersionString(machine, path, "ProductName");
  harvest.appName = product && !product->empty() ? *product
                                                 : harvest.appFileName.substr(0, harvest.appFileName.rfind('.'));
  harvest.appWin32 = pe::KindBits(ExecutableKind(machine, path)) != 16;
  harvest.company = ReadVersionString(machine, path, "CompanyName").value_or("");
  platform::FileSystem& files = machine.Files();
  for (const auto& file : harvest.files) {
    if (file.section != SectionId::DllInfo || !EqualsNoCase(file.folder, harvest.appFolder)) continue;
    const std::string elsewhere = files.SearchPath(file.name);
    if (elsewhere.empty() || EqualsNoCase(elsewhere, JoinPath(file.folder, file.name))) {
      harvest.signatureFileName = file.name;
      break;
    }
  }
  return true;
}

void CollectCompanyFiles(platform::Machine& machine, Harvest& harvest) {
  std::set<std::string> known;
  std::vector<std::string> modules;
  for (const auto& file : harvest.files) {
    known.insert(Key(file));
    modules.push_back(JoinPath(file.folder, file.name));
  }
  if (harvest.company.empty()) return;
  auto take = [&](const std::string& path) {
    const std::string name = FileNameOf(path);
    const auto section = FileSectionOf(name);
    if (!section || IsAtOrBelow(path, harvest.appFolder)) return;
    HarvestedFile file{*section, name, FolderOf(path), {}};
    if (known.count(Key(file)) != 0 || !NamesCompany(machine, path, harvest.company)) return;
    known.insert(Key(file));
    harvest.files.push_back(std::move(file));
  };
  const ModuleDependencies needed = ListModuleDependencies(machine, modules);
  for (auto it = needed.modules.rbegin(); it != needed.modules.rend(); ++it) take(it->path);
  platform::FileSystem& files = machine.Files();
  const std::string system = files.SystemDirectory();
  platform::FindData data;
  if (auto search = files.FindFirst(JoinPath(system, "*"), data)) {
    do {
      if ((data.attributes & platform::attr::kDirectory) == 0) take(JoinPath(system, data.name));
    } while (search->Next(data));
  }
}

void ReadVersions(platform::Machine& machine, Harvest& harvest) {
  for (auto& file : harvest.files) {
    std::string version;
    if (ReadFileVersion(machine, JoinPath(file.folder, file.name), version) == platform::kSOk) {
      file.version = VersionNumbers(version);
    }
  }
}

}  // namespace cvn::tool
