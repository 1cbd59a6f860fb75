#include "checks/FileCheck.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "checks/FileCheckFigures.h"
#include "checks/FileCheckVersions.h"
#include "checks/FolderListings.h"
#include "checks/PeModules.h"
#include "checks/Requirements.h"
#include "config/ApplicationView.h"
#include "config/ItemStatus.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

enum class FolderFinding { None, Unexpected, MoreThanOne, Both };

// The folders searched for a second copy, in this order.
constexpr char kAlternativeCodes[] = {'1', 'S', 'W'};

// The folder of a location code, expanded, with its trailing backslash.
// The directory entry of an existing file; nothing for a folder or no file.
std::optional<platform::FindData> FindFile(platform::FileSystem& files, const std::string& path) {
  platform::FindData data;
  if (path.empty() || !files.FindFirst(path, data)) return std::nullopt;
  if ((data.attributes & platform::attr::kDirectory) != 0) return std::nullopt;
  return data;
}

void AppendFinding(std::string& notes, std::string_view text) {
  if (!notes.empty()) notes += "  ";
  notes += text;
}

// One check in progress: the steps share what the earlier ones found.
class FileCheckRun {
 public:
  FileCheckRun(RunContext& context, FileItem& item, const FileInfoEntry* info, bool appWin32)
      : context_(context), files_(context.machine.Files()), item_(item), info_(info), appWin32_(appWin32) {}

  FileCheckOutputs Run() {
    removable_ = RunsFromRemovableMedia(context_);
    if (Locate()) {
      LookForSecondCopy();
      JudgeVersions();
      JudgeFigures();
      if (item_.bitness == bitness::kUnknown) item_.bitness = ImageBitness(context_.machine, path_);
    }
    if (removable_) finding_ = FolderFinding::None;
    ComposeNotes();
    AddBitnessNote();
    AddLoadResult();
    if (out_.result != filestatus::kOk && !item_.required) {
      AppendFinding(out_.notes, Text(IDS_FILE_NOT_REQUIRED));
    }
    return out_;
  }

 private:
  std::string Text(int id, std::initializer_list<std::string_view> args = {}) {
    return LoadText(context_.machine.Texts(), id, args);
  }

  std::string FirstAccepted() const {
    return item_.acceptedVersions.empty() ? "" : item_.acceptedVersions.front();
  }

  // Finds the file at its expected place or on the search path; false
  // when it is nowhere.
  bool Locate() {
    const std::string expectedFolder = LocationFolder(context_, item_.folderCode);
    item_.expectedFolder = DisplayForm(expectedFolder);
    path_ = expectedFolder + item_.Name();
    found_ = FindFile(files_, path_);
    if (!found_) {
      item_.notAtExpectedPlace = true;
      path_ = files_.SearchPath(item_.Name());
      found_ = FindFile(files_, path_);
      if (!found_) {
        out_.result = filestatus::kNotFound;
        out_.requiredVersion = FirstAccepted();
        return false;
      }
      finding_ = FolderFinding::Unexpected;
    }
    item_.foundFolder = DirectoryForm(path_);
    return true;
  }

  void LookForSecondCopy() {
    for (const char code : kAlternativeCodes) {
      // Codes are case-sensitive: "s" resolves to the application folder, so
      // it does not stand for the System folder here either.
      if (item_.folderCode == code || (removable_ && code == '1')) continue;
      const std::string folder = LocationFolder(context_, code);
      if (EqualsNoCase(DisplayForm(folder), item_.foundFolder)) continue;
      if (!HoldsFile(folder)) continue;
      item_.otherFolder = DisplayForm(folder);
      finding_ = finding_ == FolderFinding::Unexpected ? FolderFinding::Both : FolderFinding::MoreThanOne;
      return;
    }
  }

  bool HoldsFile(const std::string& folder) {
    if (context_.folderListings != nullptr) return context_.folderListings->HoldsFile(folder, item_.Name());
    return FindFile(files_, folder + item_.Name()).has_value();
  }

  bool ListsVersions() const { return !item_.acceptedVersions.empty() || !item_.rejectedVersions.empty(); }

  void JudgeVersions() {
    const bool readable = ReadFileVersion(context_.machine, path_, out_.actualVersion) == platform::kSOk;
    if (!ListsVersions()) return;
    VersionJudgement judgement{filestatus::kNoVersionInfo, FirstAccepted()};
    if (readable) judgement = JudgeVersion(out_.actualVersion, item_.acceptedVersions, item_.rejectedVersions);
    out_.result = judgement.status;
    out_.requiredVersion = judgement.requiredVersion;
    item_.versionProblem = judgement.status != filestatus::kOk;
  }

  void JudgeFigures() {
    item_.fileSize = static_cast<uint32_t>(std::min<uint64_t>(found_->size, std::numeric_limits<uint32_t>::max()));
    item_.actualSizeText = FileSizeText(item_.fileSize);
    platform::SystemInfo& system = context_.machine.System();
    if (const auto local = files_.FileTimeToLocal(found_->lastWriteTime)) item_.fileDate = *local;
    item_.actualDateText = FileDateText(system, item_.fileDate);
    if (info_ == nullptr || !item_.checkSizeAndDate || ListsVersions()) return;
    item_.expectedSizeText = FileSizeText(info_->size);
    item_.expectedDateText = FileDateText(system, info_->date);
    if (item_.fileSize != info_->size) {
      item_.sizeDiffers = true;
      if (out_.result == filestatus::kOk) out_.result = filestatus::kUnexpectedSize;
    }
    if (!SameMinute(item_.fileDate, info_->date)) {
      item_.dateDiffers = true;
      if (out_.result == filestatus::kUnexpectedSize) out_.result = filestatus::kUnexpectedSizeAndDate;
      if (out_.result == filestatus::kOk) out_.result = filestatus::kUnexpectedDate;
    }
  }

  // The figures that follow the text of a size or date result.
  std::string FigureDetails(int result) {
    platform::SystemInfo& system = context_.machine.System();
    const std::string actualSize = std::to_string(item_.fileSize);
    const std::string expectedSize = std::to_string(info_ == nullptr ? 0 : info_->size);
    const std::string actualDate = FormatDateTime(system, item_.fileDate);
    const std::string expectedDate = info_ == nullptr ? "" : FormatDateTime(system, info_->date);
    switch (result) {
      case filestatus::kUnexpectedSizeAndDate:
        return Text(IDS_ACTUAL_EXPECTED_SIZE_DATE, {actualSize, actualDate, expectedSize, expectedDate});
      case filestatus::kUnexpectedDate:
        return Text(IDS_ACTUAL_EXPECTED, {actualDate, expectedDate});
      case filestatus::kUnexpectedSize:
        return Text(IDS_ACTUAL_EXPECTED_SIZE, {actualSize, expectedSize});
      default:
        return "";
    }
  }

  void ComposeNotes() {
    if (out_.result != filestatus::kOk) {
      out_.notes = Text(FileStatusTexts(out_.result).finding) + FigureDetails(out_.result);
    }
    const bool unexpected = finding_ == FolderFinding::Unexpected || finding_ == FolderFinding::Both;
    const bool secondCopy = finding_ == FolderFinding::MoreThanOne || finding_ == FolderFinding::Both;
    if (unexpected) {
      AppendFinding(out_.notes,
                    Text(IDS_UNEXPECTED_FOLDER) + Text(IDS_ACTUAL_EXPECTED, {item_.foundFolder, item_.expectedFolder}));
      out_.result = filestatus::kUnexpectedFolder;
    }
    if (secondCopy) {
      AppendFinding(out_.notes, Text(IDS_MORE_THAN_ONE_FOLDER) + Text(IDS_ALSO_FOUND_IN, {item_.otherFolder}));
      out_.result = unexpected ? filestatus::kBothFolderFindings : filestatus::kMoreThanOneFolder;
    }
  }

  // A file of another bitness than the application's: a 32-bit or 64-bit
  // application cannot load a 16-bit module, nor one of the other of the two.
  void AddBitnessNote() {
    const int application = !appWin32_ ? bitness::k16 : context_.appBitness == bitness::k64 ? bitness::k64 : bitness::k32;
    const bool known = item_.bitness != bitness::kUnknown;
    const bool windows = context_.appBitness == bitness::k32 || context_.appBitness == bitness::k64;
    const char* note = nullptr;
    if (appWin32_ && item_.bitness == bitness::k16) note = "(16-bit)";
    if (!appWin32_ && item_.bitness == bitness::k32) note = "(32-bit)";
    if (!appWin32_ && item_.bitness == bitness::k64) note = "(64-bit)";
    if (appWin32_ && windows && known && item_.bitness != bitness::k16 && item_.bitness != application) {
      note = item_.bitness == bitness::k64 ? "(64-bit)" : "(32-bit)";
    }
    if (note == nullptr) return;
    if (!out_.notes.empty()) out_.notes += ' ';
    out_.notes += note;
  }

  void AddLoadResult() {
    if (item_.loadResult == loadresult::kUnexpectedFolder && out_.result != filestatus::kUnexpectedFolder) {
      out_.result = filestatus::kUnexpectedFolder;
      AppendFinding(out_.notes, Text(IDS_LOADED_UNEXPECTED_FOLDER));
    }
    if (item_.loadResult == loadresult::kNotLoaded && out_.result != filestatus::kNotFound) {
      out_.result = filestatus::kNotLoadable;
      AppendFinding(out_.notes, Text(IDS_NOT_LOADABLE));
    }
    if (item_.loadResult == loadresult::kNotChecked) AppendFinding(out_.notes, Text(IDS_LOAD_NOT_CHECKED));
  }

  RunContext& context_;
  platform::FileSystem& files_;
  FileItem& item_;
  const FileInfoEntry* info_;
  bool appWin32_;
  bool removable_ = false;
  std::string path_;
  std::optional<platform::FindData> found_;
  FolderFinding finding_ = FolderFinding::None;
  FileCheckOutputs out_;
};

void ClearResults(FileItem& item) {
  item.versionProblem = item.notAtExpectedPlace = item.sizeDiffers = item.dateDiffers = false;
  item.fileSize = 0;
  item.fileDate = {};
  item.expectedFolder.clear();
  item.foundFolder.clear();
  item.otherFolder.clear();
  item.actualSizeText.clear();
  item.expectedSizeText.clear();
  item.actualDateText.clear();
  item.expectedDateText.clear();
}

}  // namespace

void CheckFile(RunContext& context, FileItem& item, const FileInfoEntry* info, FileCheckOutputs& outputs,
               bool appWin32) {
  if (!item.checked) {
    ClearResults(item);
    const FileCheckOutputs fresh = FileCheckRun(context, item, info, appWin32).Run();
    item.actualVersion = fresh.actualVersion;
    item.expectedVersion = fresh.requiredVersion;
    item.problemText = fresh.notes;
    item.status = fresh.result;
    item.checked = true;
  }
  outputs = {item.actualVersion, item.expectedVersion, item.problemText, item.status};
}

bool FileFixAllowed(int result) {
  return result != filestatus::kMoreThanOneFolder && result != filestatus::kUnexpectedFolder &&
         result != filestatus::kBothFolderFindings;
}

}  // namespace cvn
