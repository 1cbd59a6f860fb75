#include "report/ReportFacts.h"

#include <algorithm>

#include "checks/ComCheck.h"
#include "checks/FileCheck.h"
#include "checks/FolderListings.h"
#include "checks/SettingCheck.h"
#include "config/ItemStatus.h"
#include "report/ReportMarks.h"
#include "checks/ItemChecks.h"

namespace cvn {

namespace {

// What the checks read.
struct Scope {
  RunContext& context;
  ConfigDatabase& database;
};

ItemFact Judged(const std::string& name, bool required, int status, int level, char mark) {
  ItemFact fact;
  fact.name = name;
  fact.required = required;
  fact.status = status;
  fact.level = level;
  fact.mark = mark;
  return fact;
}

OfferedFix FileFix(int result) {
  if (result == filestatus::kOk || !FileFixAllowed(result)) return OfferedFix::None;
  return result == filestatus::kNotFound ? OfferedFix::CopyFile : OfferedFix::ReplaceFile;
}

ItemFact FileFact(Scope& scope, FileItem& item) {
  const FileCheckOutputs found = CheckItem(scope.context, scope.database, item);
  ItemFact fact = Judged(item.Name(), item.required, found.result, ProblemLevel(item), PlainMark(found.result, item.required));
  fact.expected = found.requiredVersion;
  fact.found = found.actualVersion;
  fact.notes = found.notes;
  fact.fix = FileFix(found.result);
  return fact;
}

ItemFact SettingFact(Scope& scope, SettingItem& item, SectionType type) {
  const SettingOutputs found = CheckItem(scope.context, scope.database, item, type);
  ItemFact fact =
      Judged(item.Name(), item.required, found.status, ProblemLevel(item), PlainMark(found.status, item.required));
  fact.expected = found.expectedValuesText;
  fact.found = found.actualDisplayText;
  fact.action = found.actionText;
  fact.explanation = found.explanationText;
  // Several findings are joined with two blanks.
  fact.notes = found.actionText;
  if (!fact.notes.empty() && !found.explanationText.empty()) fact.notes += "  ";
  fact.notes += found.explanationText;
  fact.fix = found.status == settingstatus::kOk ? OfferedFix::None : OfferedFix::WriteValue;
  return fact;
}

// In the order of ServerAspect and TypeLibAspect.
constexpr const char* kServerAspectNames[kServerAspects] = {"server", "progId", "version", "guid", "typeLibGuid"};
constexpr const char* kTypeLibAspectNames[kTypeLibAspects] = {"name", "version", "folder", "helpFolder"};

// A class or type library registration: every aspect that was checked,
// and the expected and registered server path or library folder.
template <class Item, size_t N>
ItemFact RegistrationFact(RunContext& context, Item& item, void (*check)(RunContext&, Item&),
                          const char* const (&aspectNames)[N], std::string Item::*expected, std::string Item::*found) {
  check(context, item);
  const char mark = item.notes.empty() ? ' ' : item.required ? '*' : '!';
  ItemFact fact = Judged(item.Name(), item.required, 0, ProblemLevel(item), mark);
  fact.notes = item.notes;
  fact.expected = item.*expected;
  fact.found = item.*found;
  for (size_t i = 0; i < N; ++i) {
    if (item.subStatus[i] == substatus::kNotChecked) continue;
    fact.aspects.push_back({aspectNames[i], item.subStatus[i], item.displayTexts[i]});
    fact.status = std::max(fact.status, item.subStatus[i]);
  }
  return fact;
}

std::optional<ItemFact> CheckedFact(Scope& scope, const ConfigSection& section, size_t i) {
  if (auto* file = section.ItemAs<FileItem>(i)) return FileFact(scope, *file);
  if (auto* setting = section.ItemAs<SettingItem>(i)) return SettingFact(scope, *setting, section.Type());
  if (auto* server = section.ItemAs<ServerItem>(i)) {
    return RegistrationFact(scope.context, *server, CheckServer, kServerAspectNames, &ServerItem::expectedServerPath,
                            &ServerItem::registeredServerPath);
  }
  if (auto* library = section.ItemAs<TypeLibItem>(i)) {
    return RegistrationFact(scope.context, *library, CheckTypeLibrary, kTypeLibAspectNames,
                            &TypeLibItem::expectedFileFolder, &TypeLibItem::foundFileFolder);
  }
  return std::nullopt;
}

void GatherSection(Scope& scope, SectionId id, std::vector<SectionFact>& sections) {
  const ConfigSection* section = scope.database.GetSection(id);
  if (section == nullptr || section->Count() == 0) return;
  SectionFact fact{id, {}};
  for (size_t i = 0; i < section->Count(); ++i) {
    if (auto item = CheckedFact(scope, *section, i)) fact.items.push_back(std::move(*item));
  }
  sections.push_back(std::move(fact));
}

}  // namespace

const char* OfferedFixName(OfferedFix fix) {
  switch (fix) {
    case OfferedFix::CopyFile:
      return "copy-file";
    case OfferedFix::ReplaceFile:
      return "replace-file";
    case OfferedFix::WriteValue:
      return "write-value";
    case OfferedFix::FreeDiskSpace:
      return "free-disk-space";
    default:
      return "";
  }
}

ReportFacts GatherReportFacts(RunContext& context, ConfigDatabase& database) {
  context.locations.EnsureFilled(context.machine);
  ReportFacts facts;
  facts.options = ReadReportOptions(database);
  facts.database = database.path;
  const ConfigSection* app = database.GetSection(SectionId::AppInfo);
  if (const std::string* name = FindValue(app, "AppName")) facts.application = *name;
  const std::string* label = FindValue(app, "CDVolumeLabel");
  if (label != nullptr && !label->empty()) facts.cdVolumeLabel = *label;
  facts.written = context.machine.System().LocalTime();
  facts.loadCheckIncomplete = database.loadCheckIncomplete;
  facts.fileInformation = !database.FileInfo().empty();
  facts.fromCdRom = context.locations.AppOnCdRom();
  facts.fromFloppy = context.locations.AppOnFloppy();
  facts.requirements = EvaluateRequirements(context, database.systemInfo, database.minimumRequirements);
  facts.machine = database.systemInfo;

  // Gathering changes no file: the checks may share listings.
  const SharedFolderListings listings(context);
  Scope scope{context, database};
  for (SectionId id : kFileSections) GatherSection(scope, id, facts.sections);
  if (RunsFromRemovableMedia(context)) return facts;
  for (SectionId id : kSettingSections) GatherSection(scope, id, facts.sections);
  for (SectionId id : kRegistrationSections) GatherSection(scope, id, facts.sections);
  return facts;
}

}  // namespace cvn
