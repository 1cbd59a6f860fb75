#include "fixes/FileConfirmationFields.h"

#include "checks/FileCheckFigures.h"
#include "checks/FileTypes.h"
#include "config/ItemStatus.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"

namespace cvn {

FileFacts CurrentFileFacts(platform::Strings& texts, const FileItem& item) {
  FileFacts facts;
  facts.location = item.foundFolder;
  facts.version = item.actualVersion;
  if (item.status == filestatus::kRejectedVersion) facts.version += texts.Load(IDS_KNOWN_BAD_VERSION_NOTE);
  facts.size = item.actualSizeText;
  facts.date = item.actualDateText;
  facts.locationBold = item.notAtExpectedPlace;
  facts.versionBold = item.versionProblem;
  facts.sizeBold = item.sizeDiffers;
  facts.dateBold = item.dateDiffers;
  return facts;
}

namespace {

FileFacts ReplacementFacts(RunContext& context, const FileCopyPlan& plan) {
  FileFacts facts;
  facts.location = DirectoryForm(plan.source);
  facts.version = plan.sourceFacts.version;
  facts.size = FileSizeText(plan.sourceFacts.size);
  facts.date = FileDateText(context.machine.System(), plan.sourceFacts.time);
  return facts;
}

std::string Note(platform::Strings& texts, const FileItem& item, const FileCopyPlan& plan, bool exists) {
  std::string note;
  if (item.status == filestatus::kRejectedVersion && !plan.sourceFacts.version.empty() &&
      CompareVersions(plan.sourceFacts.version, item.actualVersion) < 0) {
    note = texts.Load(IDS_OLD_VERSION_IS_OK);
  }
  if (exists) {
    if (!note.empty()) note += "  ";
    note += LoadText(texts, IDS_OLD_FILE_MOVED_TO, {DisplayForm(plan.backupPath)});
  }
  return note;
}

}  // namespace

FileConfirmation MakeFileConfirmation(RunContext& context, const FileItem& item, const FileCopyPlan& plan) {
  platform::Strings& texts = context.machine.Texts();
  const bool exists = item.status != filestatus::kNotFound;
  FileConfirmation confirmation;
  confirmation.dialog = exists ? confirmdialog::kReplaceFile : confirmdialog::kCopyFile;
  confirmation.fileName = item.Name();
  if (const auto type = DescribeFile(context.machine, plan.target)) {
    confirmation.typeDescription = type->description;
    confirmation.icon = type->icon;
  }
  if (exists) {
    confirmation.current = CurrentFileFacts(texts, item);
  } else {
    confirmation.current.location = DirectoryForm(plan.target);
  }
  confirmation.replacement = ReplacementFacts(context, plan);
  confirmation.note = Note(texts, item, plan, exists);
  return confirmation;
}

}  // namespace cvn
