#include "report/Report.h"

#include <optional>

#include "checks/FolderListings.h"
#include "checks/InstallMedia.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "report/ReportBlocks.h"
#include "report/ReportLayout.h"
#include "report/ReportOptions.h"
#include "resources/StringIds.h"
#include "util/text/ColumnWriter.h"

namespace cvn {

namespace {

// Creates the empty report file in the application folder, else in the
// temporary folder; the path of the one that took it.
std::optional<std::string> CreateReportFile(RunContext& context, const std::string& name,
                                            std::string& lastTried) {
  platform::FileSystem& files = context.machine.Files();
  for (const char* folder : {"1|", "T|"}) {
    lastTried = PathSpec(context, folder).Append(name).Text();
    if (files.WriteFile(lastTried, {})) return lastTried;
  }
  return std::nullopt;
}

// File information obtained only now, at the installation CD's prompt,
// holds sizes and dates that the files checked earlier in the run were not
// compared with: those checks are made again.
void PrepareLateFileInfo(RunContext& context, ConfigDatabase& database) {
  static_cast<void>(PrepareFileInfo(context, database));
  if (database.FileInfo().empty()) return;
  for (const SectionId id : kFileSections) {
    const ConfigSection* section = database.GetSection(id);
    for (size_t i = 0; section != nullptr && i < section->Count(); ++i) {
      if (FileItem* item = section->ItemAs<FileItem>(i)) item->checked = false;
    }
  }
}

void WriteBlocks(ReportScope& scope, const SavedAnswers& answers, const UserInfo& user) {
  const ReportOptions& options = scope.options;
  WriteTitle(scope);
  WriteApplication(scope);
  WriteLegend(scope);
  WriteNotes(scope);
  if (options.getUserInfo) WriteUserInformation(scope, user);
  if (options.checkConfigurationDatabase) {
    WriteRequirements(scope);
    WriteReferenceInformation(scope);
    WriteFileSections(scope);
    WriteSettingSections(scope);
    WriteRegistrationSections(scope);
    if (options.showConfigInfo) WriteStartupFiles(scope);
  }
  if (options.askQuestions && options.askQuestionsOptions != 0) WriteUserResponses(scope, answers);
  if (options.showTechSupportInfo && SectionListed(scope.database, SectionId::VendorInfo)) {
    WriteTechnicalSupport(scope);
  }
}

void Tell(RunContext& context, int textId, const std::string& path, platform::Icon icon) {
  const std::string text = LoadText(context.machine.Texts(), textId, {DisplayForm(path)});
  context.machine.Ask().MessageBox(text, platform::Buttons::Ok, icon);
}

}  // namespace

platform::HResult WriteReport(RunContext& context, ConfigDatabase& database, const SavedAnswers& answers,
                              const UserInfo& user, std::string& reportPath, CompletionMessage completion,
                              const std::optional<std::string>& chosenPath) {
  const ReportOptions options = ReadReportOptions(database);
  if (database.FileInfo().empty()) PrepareLateFileInfo(context, database);
  context.locations.EnsureFilled(context.machine);

  std::string lastTried = chosenPath.value_or("");
  const std::optional<std::string> path =
      chosenPath ? (context.machine.Files().WriteFile(*chosenPath, {}) ? chosenPath : std::nullopt)
                 : CreateReportFile(context, options.reportName, lastTried);
  if (!path) {
    Tell(context, IDS_CANNOT_OPEN_DATABASE, lastTried, platform::Icon::Warning);
    return platform::kEFail;
  }

  TextFile text;
  ColumnWriter writer;
  writer.SetFile(&text);
  writer.SetMarginAndWidth(0, options.reportWidth);
  ReportLayout layout(writer, context.machine.Texts());
  ReportScope scope{context, database, options, layout};
  {
    // Writing the report changes no file: the checks may share listings.
    const SharedFolderListings listings(context);
    WriteBlocks(scope, answers, user);
  }

  const platform::Bytes bytes(text.begin(), text.end());
  if (!context.machine.Files().WriteFile(*path, bytes)) {
    Tell(context, IDS_CANNOT_OPEN_DATABASE, *path, platform::Icon::Warning);
    return platform::kEFail;
  }
  reportPath = *path;
  if (completion == CompletionMessage::Show) Tell(context, IDS_REPORT_COMPLETE, *path, platform::Icon::Information);
  return platform::kSOk;
}

}  // namespace cvn
