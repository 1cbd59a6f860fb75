#include "usage/CurrentState.h"

#include <algorithm>
#include <limits>

#include "checks/PeModules.h"
#include "checks/SettingRead.h"
#include "config/PathSpec.h"
#include "config/SettingLocation.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

std::optional<platform::FindData> FindPlainFile(platform::FileSystem& files, const std::string& path) {
  platform::FindData data;
  if (path.empty() || !files.FindFirst(path, data)) return std::nullopt;
  if ((data.attributes & platform::attr::kDirectory) != 0) return std::nullopt;
  return data;
}

// The folder of an entry line, with its trailing backslash.
std::string EntryFolder(RunContext& context, const std::string& where) {
  if (where.size() == 1) return LocationFolder(context, where.front());
  std::string folder = where;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::optional<FileSnapshot> CurrentFileState(RunContext& context, const FileEntryLine& entry) {
  platform::FileSystem& files = context.machine.Files();
  std::string path = EntryFolder(context, entry.where) + entry.name;
  std::optional<platform::FindData> found = FindPlainFile(files, path);
  if (!found) {
    path = files.SearchPath(entry.name);
    found = FindPlainFile(files, path);
    if (!found) return std::nullopt;
  }
  FileSnapshot state;
  static_cast<void>(ReadFileVersion(context.machine, path, state.version));
  state.version = RecordedVersion(state.version);
  state.size = static_cast<uint32_t>(std::min<uint64_t>(found->size, std::numeric_limits<uint32_t>::max()));
  state.time = FormatTimestamp(files.FileTimeToLocal(found->lastWriteTime).value_or(platform::SystemTime{}));
  return state;
}

std::optional<std::string> CurrentSettingValue(RunContext& context, UsageSection section,
                                               const std::string& location) {
  if (section == UsageSection::IniSettings) {
    const std::optional<IniLocation> ini = ParseIniLocation(location);
    return OneLineText(ini ? ReadIniValue(context, *ini) : std::string());
  }
  const std::optional<RegistryLocation> registry = ParseRegistryLocation(location);
  if (!registry) return std::string();
  const RegistryReading reading = ReadRegistryValue(context.machine.Reg(), *registry);
  if (reading.result == RegistryReadResult::UnhandledType) return std::nullopt;
  return OneLineText(reading.text);
}

}  // namespace cvn
