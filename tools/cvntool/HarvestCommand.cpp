#include "tools/cvntool/HarvestCommand.h"

#include <set>

#include "checks/FileInfo.h"
#include "config/ApplicationFolder.h"
#include "config/TextCase.h"
#include "tools/cvntool/FdbCommand.h"
#include "tools/cvntool/HarvestFiles.h"
#include "tools/cvntool/HarvestProof.h"
#include "tools/cvntool/HarvestRegistrations.h"
#include "tools/cvntool/HarvestSettings.h"
#include "tools/cvntool/HarvestWriter.h"

namespace cvn::tool {

namespace {

MachineFolders FoldersOf(platform::FileSystem& files) { return {files.SystemDirectory(), files.WindowsDirectory()}; }

bool Exists(platform::FileSystem& files, const std::string& path) {
  return files.GetAttributes(path) != platform::attr::kInvalid;
}

// The folders besides its own where the file check looks for a second copy.
void WarnOfSecondCopies(platform::FileSystem& files, const Harvest& harvest, std::ostream& warnings) {
  const std::string alternatives[] = {harvest.appFolder, files.SystemDirectory(), files.WindowsDirectory()};
  for (const auto& file : harvest.files) {
    for (const auto& folder : alternatives) {
      if (EqualsNoCase(folder, file.folder) || !Exists(files, JoinPath(folder, file.name))) continue;
      warnings << "cvntool: " << file.name << " is also in " << ToLower(folder)
               << ": the file check finds it in more than one folder\n";
      break;
    }
  }
}

// Keeps the first file of each name in a section: lookups by name find it.
void DropSecondNames(Harvest& harvest, std::ostream& warnings) {
  std::set<std::pair<SectionId, std::string>> seen;
  std::erase_if(harvest.files, [&](const HarvestedFile& file) {
    if (seen.insert({file.section, ToLower(file.name)}).second) return false;
    warnings << "cvntool: " << JoinPath(file.folder, file.name) << " has the name of a file harvested before it: "
             << "left out\n";
    return true;
  });
}

bool Collect(RunContext& context, const Options& options, Harvest& harvest, std::ostream& errors,
             std::string& error) {
  platform::Machine& machine = context.machine;
  if (!CollectApplicationFiles(machine.Files(), harvest, error) ||
      !DescribeApplication(machine, options.program, harvest, error)) {
    return false;
  }
  CollectCompanyFiles(machine, harvest);
  DropSecondNames(harvest, errors);
  ReadVersions(machine, harvest);
  WarnOfSecondCopies(machine.Files(), harvest, errors);
  CollectRegistrations(machine.Reg(), harvest, errors);
  const MachineFolders folders = FoldersOf(machine.Files());
  return CollectIniSettings(context, options.iniFiles, folders, harvest, errors, error) &&
         CollectRegistrySettings(machine.Reg(), options.registryKeys, folders, harvest, errors, error);
}

bool WriteText(platform::FileSystem& files, const std::string& path, const std::string& text, std::ostream& errors) {
  if (files.WriteFile(path, platform::Bytes(text.begin(), text.end()))) return true;
  errors << "cvntool: cannot write " << path << '\n';
  return false;
}

// The .fdb as cvntool fdb writes it, each file from the folder it was found in.
bool WriteFileInfo(platform::FileSystem& files, const Harvest& harvest, const std::string& cdbPath,
                   const std::string& fdbPath, std::ostream& errors) {
  std::string text = FileInfoHeader(cdbPath);
  std::set<std::string> written;
  for (const auto& file : harvest.files) {
    if (!written.insert(ToLower(file.name)).second) continue;
    if (const auto entry = ShippedFile(files, file.folder, file.name)) text += FormatFileInfoLine(*entry) + "\r\n";
  }
  return WriteText(files, fdbPath, text, errors);
}

// Writes the database and proves it, again without what the proof took
// out until nothing is. False when it cannot be written or read back.
bool WriteProven(RunContext& context, Harvest& harvest, const std::string& path, std::ostream& errors) {
  platform::FileSystem& files = context.machine.Files();
  const MachineFolders folders = FoldersOf(files);
  std::string error;
  // Each pass that removes something shrinks the harvest, so this ends.
  for (;;) {
    const auto text = WriteDatabase(harvest, folders, error);
    if (!text) {
      errors << "cvntool: " << error << '\n';
      return false;
    }
    if (!WriteText(files, path, *text, errors)) return false;
    const int removed = ProveHarvest(context.machine, path, harvest, errors);
    if (removed < 0) {
      errors << "cvntool: cannot read back " << path << '\n';
      return false;
    }
    if (removed == 0) return true;
  }
}

}  // namespace

int RunHarvest(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1 || !options.outPath || options.cdFolder.has_value() != options.cdLabel.has_value()) {
    errors << kUsage;
    return 2;
  }
  platform::FileSystem& files = context.machine.Files();
  const std::string& cdbPath = *options.outPath;
  const std::string fdbPath = options.fdb ? FileInfoPath(cdbPath) : std::string();
  if (options.fdb && fdbPath.empty()) {
    errors << "cvntool: " << cdbPath << " has no extension to replace with fdb\n";
    return 2;
  }
  for (const auto& path : {cdbPath, fdbPath}) {
    if (!path.empty() && !options.force && Exists(files, path)) {
      errors << "cvntool: " << path << " exists; --force replaces it\n";
      return 1;
    }
  }
  Harvest harvest;
  harvest.appFolder = files.FullPathName(options.operands[0]);
  while (harvest.appFolder.size() > 3 && harvest.appFolder.back() == '\\') harvest.appFolder.pop_back();
  harvest.cdLabel = options.cdLabel.value_or("");
  harvest.cdFolder = options.cdFolder.value_or("");
  while (!harvest.cdFolder.empty() && harvest.cdFolder.front() == '\\') harvest.cdFolder.erase(0, 1);
  // Settings in the application folder are read as the checks read them.
  SetApplicationFolder(context, harvest.appFolder);
  std::string error;
  if (!Collect(context, options, harvest, errors, error)) {
    errors << "cvntool: " << error << '\n';
    return 1;
  }
  if (!WriteProven(context, harvest, cdbPath, errors)) return 1;
  if (options.fdb && !WriteFileInfo(files, harvest, cdbPath, fdbPath, errors)) return 1;
  out << "wrote " << cdbPath << ": " << harvest.files.size() << " files, " << harvest.settings.size()
      << " settings, " << harvest.classes.size() + harvest.typeLibs.size() << " registrations\n";
  if (options.fdb) out << "wrote " << fdbPath << '\n';
  return 0;
}

}  // namespace cvn::tool
