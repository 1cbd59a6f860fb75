#include "tools/cvntool/HarvestRegistrations.h"

#include <algorithm>
#include <map>
#include <set>

#include "platform/RegistryKey.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"

namespace cvn::tool {

namespace {

using platform::hkey::kClassesRoot;

std::string ReadDefault(platform::Registry& registry, const std::string& key) {
  return ReadDefaultValue(registry, kClassesRoot, key).value_or("");
}

// A subkey name that is a GUID in its registry form.
std::optional<Guid> GuidOfKey(const std::string& name) {
  const Guid guid = ParseGuid(name);
  if (guid.IsZero() || !EqualsNoCase(FormatGuid(guid), name)) return std::nullopt;
  return guid;
}

// The server path the class check reads: InprocServer32, else LocalServer32.
std::optional<std::string> ServerOf(platform::Registry& registry, const std::string& classKey) {
  for (const char* server : {"\\InprocServer32", "\\LocalServer32"}) {
    if (auto path = ReadDefaultValue(registry, kClassesRoot, classKey + server)) return path;
  }
  return std::nullopt;
}

class RegistrationHarvest {
 public:
  RegistrationHarvest(platform::Registry& registry, Harvest& harvest, std::ostream& warnings)
      : registry_(registry), harvest_(harvest), warnings_(warnings) {
    for (size_t i = 0; i < harvest.files.size(); ++i) {
      const auto& file = harvest.files[i];
      byPath_[ToLower(JoinPath(file.folder, file.name))] = i;
    }
  }

  void Classes() {
    EachGuidKey("CLSID", [this](const Guid& clsid, const std::string& key) { Class(clsid, key); });
  }

  void TypeLibraries() {
    EachGuidKey("TypeLib", [this](const Guid& libId, const std::string& key) { TypeLibrary(libId, key); });
  }

 private:
  // Each subkey of `parent` named by a GUID, in the order of their names.
  template <class Visit>
  void EachGuidKey(const std::string& parent, Visit visit) {
    std::vector<std::string> names = OpenedKey(registry_, kClassesRoot, parent).SubkeyNames();
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
      if (const auto guid = GuidOfKey(name)) visit(*guid, parent + "\\" + name);
    }
  }

  void Class(const Guid& clsid, const std::string& key) {
    const auto server = ServerOf(registry_, key);
    if (!server) return;
    const auto it = byPath_.find(ToLower(*server));
    if (it == byPath_.end()) {
      WarnIfNamed(*server, key);
      return;
    }
    const HarvestedFile& file = harvest_.files[it->second];
    HarvestedClass found;
    found.clsid = clsid;
    found.serverFile = file.name;
    found.folder = file.folder;
    found.progId = ReadDefault(registry_, key + "\\ProgID");
    if (found.progId.empty()) found.progId = ReadDefault(registry_, key + "\\VersionIndependentProgID");
    found.version = ReadDefault(registry_, key + "\\Version");
    found.typeLib = ParseGuid(ReadDefault(registry_, key + "\\TypeLib"));
    const bool control = file.section == SectionId::ControlInfo || KeyExists(registry_, kClassesRoot, key + "\\Control");
    found.section = control ? SectionId::ControlRegistryInfo : SectionId::OleServerInfo;
    found.name = UniqueName(found.section, ReadDefault(registry_, key), found.progId, FormatGuid(clsid));
    if (!found.typeLib.IsZero()) namedLibraries_.insert(FormatGuid(found.typeLib));
    harvest_.classes.push_back(std::move(found));
  }

  // A registration that names a harvested file of the application folder
  // inside a longer text (in quotes, with arguments) fails the check's
  // comparison.
  void WarnIfNamed(const std::string& server, const std::string& key) {
    const std::string lower = ToLower(server);
    if (lower.find(ToLower(harvest_.appFolder)) == std::string::npos) return;
    for (const auto& [path, index] : byPath_) {
      if (lower.find(path) == std::string::npos) continue;
      warnings_ << "cvntool: " << key << " registers " << harvest_.files[index].name << " as \"" << server
                << "\", which the check does not read as the file: left out\n";
      return;
    }
  }

  // The class's own name, else its ProgID, else its CLSID; a name that the
  // section already holds gives way to the CLSID, since lookups find the first.
  std::string UniqueName(SectionId section, const std::string& own, const std::string& progId,
                         const std::string& clsid) {
    std::string name = !own.empty() ? own : !progId.empty() ? progId : clsid;
    if (!usedNames_[section].insert(ToLower(name)).second) name = clsid;
    usedNames_[section].insert(ToLower(name));
    return name;
  }

  void TypeLibrary(const Guid& libId, const std::string& key) {
    OpenedKey library(registry_, kClassesRoot, key);
    std::string newest;
    for (const auto& version : library.SubkeyNames()) {
      if (!ReadDefaultValue(registry_, kClassesRoot, key + "\\" + version + "\\0\\win32")) continue;
      if (newest.empty() || CompareVersions(version, newest) > 0) newest = version;
    }
    if (newest.empty()) return;
    const std::string versionKey = key + "\\" + newest;
    const std::string path = ReadDefault(registry_, versionKey + "\\0\\win32");
    const bool named = namedLibraries_.count(FormatGuid(libId)) != 0;
    if (!named && !IsAtOrBelow(path, harvest_.appFolder)) return;
    HarvestedTypeLib found;
    found.libId = libId;
    found.version = newest;
    found.file = FileNameOf(path);
    found.folder = FolderOf(path);
    found.name = ReadDefault(registry_, versionKey);
    if (found.name.empty()) found.name = ReadDefault(registry_, key);
    if (found.name.empty()) found.name = FormatGuid(libId);
    std::string help = ReadDefault(registry_, key + "\\HelpDir");
    while (!help.empty() && help.back() == '\\') help.pop_back();
    found.helpFolder = help.empty() ? found.folder : help;
    harvest_.typeLibs.push_back(std::move(found));
  }

  platform::Registry& registry_;
  Harvest& harvest_;
  std::ostream& warnings_;
  std::map<std::string, size_t> byPath_;
  std::set<std::string> namedLibraries_;
  std::map<SectionId, std::set<std::string>> usedNames_;
};

}  // namespace

void CollectRegistrations(platform::Registry& registry, Harvest& harvest, std::ostream& warnings) {
  RegistrationHarvest collect(registry, harvest, warnings);
  collect.Classes();
  collect.TypeLibraries();
}

}  // namespace cvn::tool
