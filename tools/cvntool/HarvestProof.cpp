#include "tools/cvntool/HarvestProof.h"

#include <algorithm>
#include <functional>

#include "checks/ComCheck.h"
#include "checks/SettingCheck.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "checks/ItemChecks.h"

namespace cvn::tool {

namespace {

std::string NameOf(const HarvestedFile& file) { return file.name; }
std::string NameOf(const HarvestedSetting& setting) { return setting.location; }
std::string NameOf(const HarvestedClass& found) { return found.name; }
std::string NameOf(const HarvestedTypeLib& library) { return library.name; }

template <class Found, class Item>
using Judge = std::function<std::string(const Found&, Item&)>;

// Walks the harvested items of one section beside the items loaded for it,
// in order, and removes each that `judge` finds a problem with (or that has
// no loaded item). The number removed.
template <class Found, class Item>
int Prune(std::vector<Found>& found, SectionId id, const ConfigDatabase& database, const Judge<Found, Item>& judge,
          std::ostream& warnings) {
  const ConfigSection* section = database.GetSection(id);
  size_t next = 0;
  int removed = 0;
  std::erase_if(found, [&](const Found& each) {
    if (each.section != id) return false;
    Item* item = section != nullptr && next < section->Count() ? section->template ItemAs<Item>(next) : nullptr;
    ++next;
    const std::string problem = item != nullptr ? judge(each, *item) : "is not read back";
    if (problem.empty()) return false;
    warnings << "cvntool: [" << (section != nullptr ? section->Name() : std::string()) << "] " << NameOf(each)
             << ' ' << problem << ": left out\n";
    ++removed;
    return true;
  });
  return removed;
}

std::string FileProblem(const HarvestedFile& file, FileItem& item) {
  const std::vector<std::string> versions =
      file.version.empty() ? std::vector<std::string>{} : std::vector<std::string>{file.version};
  if (item.Name() != file.name) return "is read back as \"" + item.Name() + "\"";
  return item.acceptedVersions == versions ? "" : "is read back with other versions";
}

bool AnyAbove(const auto& subStatus) {
  return std::any_of(subStatus.begin(), subStatus.end(), [](int status) { return status > 1; });
}

}  // namespace

int ProveHarvest(platform::Machine& machine, const std::string& cdbPath, Harvest& harvest, std::ostream& warnings) {
  RunContext context(machine);
  ConfigDatabase database;
  if (database.Load(context, cdbPath) != platform::kSOk) return -1;
  int removed = 0;
  for (const SectionId id : kFileSections) {
    removed += Prune<HarvestedFile, FileItem>(harvest.files, id, database, FileProblem, warnings);
  }
  for (const SectionId id : {SectionId::IniInfo, SectionId::RegistryInfo}) {
    const SectionType type = database.GetSection(id)->Type();
    const Judge<HarvestedSetting, SettingItem> judge = [&](const HarvestedSetting& setting, SettingItem& item) {
      if (item.Location() != setting.location) return std::string("is read back as \"") + item.Location() + "\"";
      const SettingOutputs outputs = CheckItem(context, database, item, type);
      return outputs.status == 0 ? std::string() : "does not check clean (" + outputs.actualDisplayText + ")";
    };
    removed += Prune(harvest.settings, id, database, judge, warnings);
  }
  const Judge<HarvestedClass, ServerItem> server = [&](const HarvestedClass&, ServerItem& item) {
    CheckServer(context, item);
    return AnyAbove(item.subStatus) ? std::string("does not check clean") : std::string();
  };
  for (const SectionId id : {SectionId::ControlRegistryInfo, SectionId::OleServerInfo}) {
    removed += Prune(harvest.classes, id, database, server, warnings);
  }
  const Judge<HarvestedTypeLib, TypeLibItem> library = [&](const HarvestedTypeLib&, TypeLibItem& item) {
    CheckTypeLibrary(context, item);
    return AnyAbove(item.subStatus) ? std::string("does not check clean") : std::string();
  };
  removed += Prune(harvest.typeLibs, SectionId::TypeLibraryInfo, database, library, warnings);
  return removed;
}

}  // namespace cvn::tool
