// Writing a new usage database: the preferences, the location codes and
// one snapshot of every item that is recorded.
#include <memory>

#include "checks/ItemChecks.h"
#include "config/ItemStatus.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"
#include "usage/UsageDatabase.h"
#include "usage/UsageFiles.h"
#include "usage/UsageLines.h"
#include "usage/UsageMessages.h"

namespace cvn {

namespace {

constexpr std::string_view kComments[] = {
    ";",
    "; Application Usage Database (udb)",
    "; Written by the Corvane diagnostic wizard, 2026",
};

int VendorFrequency(const ConfigDatabase& database) {
  const std::string* word = FindValue(database.GetSection(SectionId::CvnInfo), "CheckUsageFrequency");
  return word ? ReadFrequency(*word) : frequency::kAlways;
}

std::string HeaderLine(SectionId id) {
  std::string line(1, '[');
  line.append(StandardSectionName(id));
  line.push_back(']');
  return line;
}

bool RunsFromCdRom(RunContext& context) {
  context.locations.EnsureFilled(context.machine);
  return context.locations.AppOnCdRom();
}

// Writes the layout of a new file with every snapshot stamped `stamp`.
class UsageWriter {
 public:
  UsageWriter(RunContext& context, ConfigDatabase& database, TextFile& file, std::string stamp)
      : context_(context), database_(database), out_(file), stamp_(std::move(stamp)) {}

  size_t Write() {
    for (const std::string_view comment : kComments) out_.Line(comment);
    out_.EmptyLine();
    out_.Line("[Preferences]");
    out_.Line("CheckFrequency=" + FormatFrequency(VendorFrequency(database_)));
    out_.Line("LastCheck=" + stamp_);
    out_.EmptyLine();
    WriteDirectoryInfo();
    for (const SectionId id : kRecordedSections) WriteSection(id);
    out_.Line("[End]");
    return snapshots_;
  }

 private:
  void WriteDirectoryInfo() {
    out_.Line(HeaderLine(SectionId::DirectoryInfo));
    if (const ConfigSection* section = database_.GetSection(SectionId::DirectoryInfo)) {
      for (size_t i = 0; i < section->Count(); ++i) {
        if (const auto* entry = section->ItemAs<DirectoryItem>(i)) out_.Line(entry->Name() + "=" + entry->value);
      }
    }
    out_.EmptyLine();
  }

  void WriteSection(SectionId id) {
    const ConfigSection* section = database_.GetSection(id);
    if (section == nullptr || section->Count() == 0) return;
    out_.Line(HeaderLine(id));
    for (size_t i = 0; i < section->Count(); ++i) {
      if (auto* file = section->ItemAs<FileItem>(i)) WriteFile(*file);
      if (auto* setting = section->ItemAs<SettingItem>(i)) WriteSetting(*setting, section->Type());
    }
    out_.EmptyLine();
  }

  // A file is recorded when it was found and either a version is required
  // or its size and date are checked.
  void WriteFile(FileItem& item) {
    const FileCheckOutputs outputs = CheckItem(context_, database_, item);
    if (outputs.result == filestatus::kNotFound) return;
    if (outputs.requiredVersion.empty() && !item.checkSizeAndDate) return;
    const bool inPlace = EqualsNoCase(item.expectedFolder, item.foundFolder) &&
                         static_cast<unsigned char>(item.folderCode) > ' ';
    out_.Line(FileEntryText({item.Name(), inPlace ? std::string(1, item.folderCode) : item.foundFolder}));
    out_.Line(FileSnapshotText({stamp_, outputs.actualVersion, item.fileSize, FormatTimestamp(item.fileDate)}));
    ++snapshots_;
  }

  // A tracked setting is recorded unless its location is invalid.
  void WriteSetting(SettingItem& item, SectionType type) {
    if (!item.tracked) return;
    const SettingOutputs outputs = CheckItem(context_, database_, item, type);
    if (outputs.status == settingstatus::kInvalid) return;
    out_.Line(item.Location());
    out_.Line(SettingSnapshotText({stamp_, outputs.actualValueText}));
    ++snapshots_;
  }

  RunContext& context_;
  ConfigDatabase& database_;
  UsageLineWriter out_;
  std::string stamp_;
  size_t snapshots_ = 0;
};

}  // namespace

platform::HResult CreateUsageDatabase(RunContext& context, const std::string& configPath, const std::string& usagePath,
                                      ConfigDatabase* database, UsageTally* tally) {
  std::unique_ptr<ConfigDatabase> loaded;
  if (database == nullptr) {
    loaded = std::make_unique<ConfigDatabase>();
    if (loaded->Load(context, configPath) != platform::kSOk) {
      TellUsageProblem(context, IDS_CANNOT_LOAD_DATABASE, configPath);
      return platform::kEFail;
    }
    database = loaded.get();
  }
  const std::optional<std::string> workingCopy = WorkingCopyPath(usagePath);
  TextFile text;
  const size_t snapshots =
      UsageWriter(context, *database, text, FormatTimestamp(context.machine.System().LocalTime())).Write();
  if (!workingCopy ||
      ReplaceInOneStep(context.machine.Files(), usagePath, *workingCopy, text) != ReplaceResult::Replaced) {
    if (!RunsFromCdRom(context)) TellUsageProblem(context, IDS_CANNOT_CREATE_USAGE, usagePath);
    return platform::kEFail;
  }
  if (tally != nullptr) *tally = {usagePath, true, snapshots};
  return platform::kSOk;
}

}  // namespace cvn
