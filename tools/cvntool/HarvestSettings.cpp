#include "tools/cvntool/HarvestSettings.h"

#include <algorithm>

#include "platform/RegistryKey.h"
#include "checks/SettingRead.h"
#include "config/PathSpec.h"
#include "config/SettingLocation.h"
#include "config/TextCase.h"

namespace cvn::tool {

namespace {

struct RootName {
  const char* shortName;
  const char* name;
};

constexpr RootName kRoots[] = {{"HKCR", "HKEY_CLASSES_ROOT"},
                               {"HKCU", "HKEY_CURRENT_USER"},
                               {"HKLM", "HKEY_LOCAL_MACHINE"},
                               {"HKU", "HKEY_USERS"},
                               {"HKCC", "HKEY_CURRENT_CONFIG"}};

// The root's full name in the case the location syntax needs.
std::optional<std::string> FullRootName(std::string_view root) {
  for (const auto& known : kRoots) {
    if (EqualsNoCase(root, known.shortName) || EqualsNoCase(root, known.name)) return std::string(known.name);
  }
  return std::nullopt;
}

void Skip(std::ostream& warnings, const std::string& location, const std::string& why) {
  warnings << "cvntool: " << location << " " << why << ": left out\n";
}

class RegistryWalk {
 public:
  RegistryWalk(platform::Registry& registry, Harvest& harvest, const MachineFolders& folders,
               std::ostream& warnings)
      : registry_(registry), harvest_(harvest), folders_(folders), warnings_(warnings) {}

  void Key(const RegistryLocation& key) {
    OpenedKey opened(registry_, key.root, key.subKey);
    if (!opened.IsOpen()) {
      warnings_ << "cvntool: there is no key " << key.rootName << '\\' << key.subKey << '\n';
      return;
    }
    for (const auto& name : opened.ValueNames()) Value(key, name);
    std::vector<std::string> subkeys = opened.SubkeyNames();
    std::sort(subkeys.begin(), subkeys.end(),
              [](const std::string& a, const std::string& b) { return ToLower(a) < ToLower(b); });
    for (const auto& subkey : subkeys) {
      RegistryLocation below = key;
      below.subKey = key.subKey.empty() ? subkey : key.subKey + '\\' + subkey;
      Key(below);
    }
  }

 private:
  void Value(RegistryLocation location, const std::string& name) {
    location.valueName = name;
    const std::string text =
        location.rootName + '\\' + location.subKey + '\\' + (name.empty() ? std::string("(Default)") : name);
    const auto parsed = ParseRegistryLocation(text);
    if (!parsed || parsed->subKey != location.subKey || parsed->valueName != name) {
      Skip(warnings_, text, "cannot be written as a location: its name holds a backslash");
      return;
    }
    const RegistryReading reading = ReadRegistryValue(registry_, location);
    if (reading.result == RegistryReadResult::UnhandledType) {
      Skip(warnings_, text, "is of a type the check does not handle");
    } else if (reading.result == RegistryReadResult::Read && reading.text.empty()) {
      Skip(warnings_, text, "is blank, which no expected value matches");
    } else if (reading.result == RegistryReadResult::Read) {
      const bool string = reading.type == platform::regtype::kString;
      harvest_.settings.push_back(
          {SectionId::RegistryInfo, text, string ? InLocationNotation(reading.text, harvest_, folders_) : reading.text});
    }
  }

  platform::Registry& registry_;
  Harvest& harvest_;
  const MachineFolders& folders_;
  std::ostream& warnings_;
};

// The file's sections as the profile call lists them, from the Windows
// folder or else from the application folder; the file name read from.
std::vector<std::string> SectionsOf(RunContext& context, const std::string& file, std::string& readFrom) {
  platform::Profile& ini = context.machine.Ini();
  readFrom = file;
  std::vector<std::string> sections = ini.GetSections(file);
  if (sections.empty()) {
    readFrom = PathSpec(context, "1|" + file).Text();
    sections = ini.GetSections(readFrom);
  }
  return sections;
}

}  // namespace

bool CollectIniSettings(RunContext& context, const std::vector<std::string>& iniFiles,
                        const MachineFolders& folders, Harvest& harvest, std::ostream& warnings, std::string& error) {
  for (const auto& name : iniFiles) {
    if (name.find_first_of("\\/:") != std::string::npos) {
      error = "--ini " + name + " names a folder: an INI location names the file only (it is read from the "
              "Windows folder, else the application folder)";
      return false;
    }
    const bool hasExtension = name.size() > 4 && EqualsNoCase(std::string_view(name).substr(name.size() - 4), ".ini");
    const std::string base = hasExtension ? name.substr(0, name.size() - 4) : name;
    std::string readFrom;
    const auto sections = SectionsOf(context, base + ".ini", readFrom);
    if (sections.empty()) warnings << "cvntool: " << base << ".ini has no section to harvest\n";
    for (const auto& section : sections) {
      for (const auto& key : context.machine.Ini().GetKeys(section, readFrom)) {
        const std::string location = base + '\\' + section + '\\' + key;
        const auto parsed = ParseIniLocation(location);
        if (!parsed || parsed->section != section || parsed->key != key) {
          Skip(warnings, location, "cannot be written as a location: its key holds a backslash");
          continue;
        }
        const std::string value = ReadIniValue(context, *parsed);
        if (value.empty()) {
          Skip(warnings, location, "is blank, which no expected value matches");
          continue;
        }
        harvest.settings.push_back({SectionId::IniInfo, location, InLocationNotation(value, harvest, folders)});
      }
    }
  }
  return true;
}

bool CollectRegistrySettings(platform::Registry& registry, const std::vector<std::string>& keys,
                             const MachineFolders& folders, Harvest& harvest, std::ostream& warnings,
                             std::string& error) {
  RegistryWalk walk(registry, harvest, folders, warnings);
  for (const auto& key : keys) {
    const size_t slash = std::min(key.find('\\'), key.size());
    const auto root = FullRootName(std::string_view(key).substr(0, slash));
    // The key read as a location whose value name is empty.
    auto start = root ? ParseRegistryLocation(*root + key.substr(slash) + "\\") : std::nullopt;
    if (!start) {
      error = "--registry " + key + " does not begin with a Registry root (HKEY_LOCAL_MACHINE, HKCU, ...)";
      return false;
    }
    while (!start->subKey.empty() && start->subKey.back() == '\\') start->subKey.pop_back();
    walk.Key(*start);
  }
  return true;
}

std::string InLocationNotation(const std::string& value, const Harvest& harvest, const MachineFolders& machine) {
  if (!LooksLikePath(value) || value[1] != ':') return value;
  std::string path = value;
  while (path.size() > 2 && path.back() == '\\') path.pop_back();
  struct Folder {
    char code;
    std::string path;
  };
  std::vector<Folder> folders{{'1', harvest.appFolder}, {'W', machine.windows}};
  // A 16-bit application's S names the 16-bit System folder on NT.
  if (harvest.appWin32) folders.push_back({'S', machine.system});
  std::sort(folders.begin(), folders.end(),
            [](const Folder& a, const Folder& b) { return a.path.size() > b.path.size(); });
  for (const auto& folder : folders) {
    if (folder.path.empty() || !IsAtOrBelow(path, folder.path)) continue;
    const std::string rest = path.substr(std::min(path.size(), folder.path.size() + 1));
    return std::string{folder.code, '|'} + rest;
  }
  return path;
}

}  // namespace cvn::tool
