#include "checks/InstallMedia.h"

#include "checks/FileInfo.h"
#include "config/ConfigDatabase.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "config/TextCase.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

std::optional<FileInfoEntry> EntryOf(RunContext& context, const FileItem& item) {
  const PathSpec path(context, std::string{item.sourceCode, '|'} + item.Name());
  platform::FileSystem& files = context.machine.Files();
  platform::FindData found;
  if (files.FindFirst(path, found) == nullptr) return std::nullopt;
  const auto local = files.FileTimeToLocal(found.lastWriteTime);
  if (!local) return std::nullopt;
  FileInfoEntry entry;
  entry.name = item.Name();
  entry.size = static_cast<uint32_t>(found.size);
  entry.date.year = local->year;
  entry.date.month = local->month;
  entry.date.day = local->day;
  entry.date.hour = local->hour;
  entry.date.minute = local->minute;
  return entry;
}

bool HasLabel(RunContext& context, const std::string& root, const std::string& label) {
  const auto found = context.machine.Files().VolumeLabel(root);
  return found && EqualsNoCase(*found, label);
}

}  // namespace

void BuildFileInfoFromMedia(RunContext& context, ConfigDatabase& database) {
  for (const SectionId id : kFileSections) {
    const ConfigSection* section = database.GetSection(id);
    if (section == nullptr) continue;
    for (size_t i = 0; i < section->Count(); ++i) {
      const FileItem* item = section->ItemAs<FileItem>(i);
      if (item == nullptr || !item->checkSizeAndDate) continue;
      if (auto entry = EntryOf(context, *item)) database.AddFileInfo(std::move(*entry));
    }
  }
}

platform::HResult PrepareFileInfo(RunContext& context, ConfigDatabase& database) {
  if (LoadFileInfo(context.machine, database, FileInfoPath(database.path)) == platform::kSOk) {
    return platform::kSOk;
  }
  const std::string* label = FindValue(database.GetSection(SectionId::AppInfo), "CDVolumeLabel");
  if (label == nullptr || label->empty()) return platform::kSOk;
  context.locations.EnsureFilled(context.machine);
  const std::string root{context.locations.cdromDrive, ':', '\\'};
  const std::string prompt = LoadText(context.machine.Texts(), IDS_INSERT_CD_TO_CHECK, {*label});
  while (!HasLabel(context, root, *label)) {
    if (context.machine.Ask().MessageBox(prompt, platform::Buttons::OkCancel,
                                         platform::Icon::Information) == platform::Answer::Cancel) {
      return platform::kSOk;
    }
  }
  BuildFileInfoFromMedia(context, database);
  return platform::kSOk;
}

}  // namespace cvn
