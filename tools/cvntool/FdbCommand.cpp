#include "tools/cvntool/FdbCommand.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "checks/FileInfo.h"
#include "config/ConfigDatabase.h"
#include "config/TextCase.h"
#include "util/text/WindowsPath.h"

namespace cvn::tool {

namespace {

// The names of the listed files, each once, in section and file order.
std::vector<std::string> ListedFiles(const ConfigDatabase& database) {
  std::vector<std::string> names;
  for (const SectionId id : kFileSections) {
    const ConfigSection* section = database.GetSection(id);
    if (section == nullptr) continue;
    for (const auto& item : section->Items()) {
      const std::string& name = item->Name();
      const bool seen = std::any_of(names.begin(), names.end(),
                                    [&](const std::string& earlier) { return EqualsNoCase(earlier, name); });
      if (!seen) names.push_back(name);
    }
  }
  return names;
}

}  // namespace

std::optional<FileInfoEntry> ShippedFile(platform::FileSystem& files, const std::string& folder,
                                         const std::string& name) {
  const std::string path = JoinPath(folder, name);
  platform::FindData data;
  if (!files.FindFirst(path, data) || (data.attributes & platform::attr::kDirectory) != 0) return std::nullopt;
  const uint64_t size = std::min<uint64_t>(data.size, std::numeric_limits<uint32_t>::max());
  FileInfoEntry entry{name, static_cast<uint32_t>(size), {}};
  if (const auto local = files.FileTimeToLocal(data.lastWriteTime)) entry.date = *local;
  return entry;
}

std::string FileInfoHeader(const std::string& cdbPath) { return "; file information for " + cdbPath + "\r\n"; }

int RunFdb(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1 || !options.cdbPath) {
    errors << kUsage;
    return 2;
  }
  const std::string fdbPath = FileInfoPath(*options.cdbPath);
  if (fdbPath.empty()) {
    errors << "cvntool: " << *options.cdbPath << " has no extension to replace with fdb\n";
    return 2;
  }
  ConfigDatabase database;
  if (database.Load(context, *options.cdbPath) != platform::kSOk) {
    errors << "cvntool: cannot load " << *options.cdbPath << '\n';
    return 1;
  }
  platform::FileSystem& files = context.machine.Files();
  std::string text = FileInfoHeader(*options.cdbPath);
  for (const auto& name : ListedFiles(database)) {
    if (const auto entry = ShippedFile(files, options.operands[0], name)) {
      text += FormatFileInfoLine(*entry) + "\r\n";
    } else {
      errors << "cvntool: " << name << " is not in " << options.operands[0] << '\n';
    }
  }
  if (!files.WriteFile(fdbPath, platform::Bytes(text.begin(), text.end()))) {
    errors << "cvntool: cannot write " << fdbPath << '\n';
    return 1;
  }
  out << "wrote " << fdbPath << '\n';
  return 0;
}

}  // namespace cvn::tool
