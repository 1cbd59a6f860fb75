#include "config/ApplicationFolder.h"

#include <vector>

#include "config/ConfigDatabase.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "config/TextCase.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

DirectoryItem* DirectoryEntry(const ConfigSection* section, LocationCode code) {
  if (section == nullptr) return nullptr;
  return section->FindItemAs<DirectoryItem>(std::string_view(&code, 1),
                                            CaseSensitivity::Insensitive);
}

// True when a file matches "1|" followed by the App Info value of `key`.
bool ApplicationFileFound(RunContext& context, const ConfigSection& appInfo, std::string_view key) {
  const std::string* fileName = FindValue(&appInfo, key);
  if (fileName == nullptr) return false;
  const PathSpec pattern(context, "1|" + *fileName);
  platform::FindData found;
  return context.machine.Files().FindFirst(pattern.Text(), found) != nullptr;
}

bool ApplicationIsIn(RunContext& context, const ConfigSection& appInfo, const std::string& folder) {
  SetApplicationFolder(context, PathSpec(context, folder).Text());
  return ApplicationFileFound(context, appInfo, "SignatureFileName") ||
         ApplicationFileFound(context, appInfo, "AppFileName");
}

bool AskForApplication(RunContext& context) {
  platform::OpenFileRequest request;
  request.filter = context.machine.Texts().Load(IDS_FILTER_APPLICATION);
  request.defaultExtension = "exe";
  request.flags = platform::ofn::kFileMustExist | platform::ofn::kHideReadOnly;
  const std::optional<std::string> chosen = context.machine.Ask().OpenFile(request);
  if (!chosen) return false;
  SetApplicationFolder(context, DirectoryForm(*chosen));
  return true;
}

}  // namespace

void SetApplicationFolder(RunContext& context, std::string_view folder) {
  Locations& locations = context.locations;
  locations.SetFolder('1', folder);
  locations.applicationDrive = folder.empty() ? 'c' : ToUpperChar(folder.front());
  if (DirectoryItem* entry = DirectoryEntry(locations.DirectoryInfo(), '1')) {
    entry->value = locations.Folder('1');
  }
}

void SetSystemFolder(RunContext& context, std::string_view folder) {
  Locations& locations = context.locations;
  locations.SetFolder('S', folder);
  if (DirectoryItem* entry = DirectoryEntry(locations.DirectoryInfo(), 'S')) {
    PathSpec value(context, locations.Folder('S'));
    value.EnsureTrailingBackslash();
    entry->value = value.Text();
  }
}

void AttachDirectorySection(RunContext& context, std::weak_ptr<ConfigSection> watched) {
  Locations& locations = context.locations;
  locations.SetDirectoryInfo(std::move(watched));
  ConfigSection* section = locations.DirectoryInfo();
  if (section == nullptr) return;
  locations.EnsureFilled(context.machine);
  for (const LocationCode code : {'W', 'S', 'T', '1', '2'}) {
    PathSpec folder(context, locations.Folder(code));
    folder.EnsureTrailingBackslash();
    if (DirectoryItem* entry = DirectoryEntry(section, code)) entry->value = folder.Text();
  }
}

bool LocateApplication(RunContext& context, ConfigDatabase& database) {
  ConfigSection* directoryInfo = database.GetSection(SectionId::DirectoryInfo);
  const std::string* vendorValue = FindValue(directoryInfo, "1");
  const std::string vendorFolder = vendorValue != nullptr ? *vendorValue : std::string();
  AttachDirectorySection(context, database.Watched(directoryInfo));

  if (const ConfigSection* appInfo = database.GetSection(SectionId::AppInfo)) {
    std::vector<std::string> candidates = {DirectoryForm(database.path),
                                           context.locations.Folder('X')};
    if (!vendorFolder.empty()) candidates.push_back(vendorFolder);
    for (const std::string& candidate : candidates) {
      if (ApplicationIsIn(context, *appInfo, candidate)) return true;
    }
  }
  return AskForApplication(context);
}

}  // namespace cvn
