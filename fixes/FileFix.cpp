#include "fixes/FileFix.h"

#include "checks/FileCheck.h"
#include "checks/ItemChecks.h"
#include "config/ItemStatus.h"
#include "config/PathSpec.h"
#include "config/TextCase.h"
#include "fixes/FileConfirmationFields.h"
#include "resources/StringIds.h"
#include "util/text/WindowsPath.h"

namespace cvn {

namespace {

std::string AppInfoValue(FixSession& session, const char* key) {
  const std::string* value = FindValue(session.database.GetSection(SectionId::AppInfo), key);
  return value ? *value : std::string();
}

// The item, checked, so that its status and found folder are current.
FileItem* CheckedItem(FixSession& session, const FileFixRequest& request) {
  if (KindOf(request.section) != SectionKind::File) return nullptr;
  const ConfigSection* section = session.database.GetSection(request.section);
  if (section == nullptr) return nullptr;
  auto* item = section->FindItemAs<FileItem>(request.itemName, CaseSensitivity::Insensitive);
  if (item == nullptr) return nullptr;
  CheckItem(session.context, session.database, *item);
  return item;
}

std::string TargetOf(RunContext& context, const FileItem& item) {
  if (item.status != filestatus::kNotFound && !item.foundFolder.empty()) return JoinPath(item.foundFolder, item.Name());
  return JoinPath(LocationFolder(context, item.folderCode), item.Name());
}

bool LabelMatches(FixSession& session, char drive, const std::string& label) {
  const auto read = session.context.machine.Files().VolumeLabel(std::string{drive, ':', '\\'});
  return read && EqualsNoCase(*read, label);
}

// Makes sure the medium that holds `source` is in its drive: the CD is
// asked for while its label differs, the floppy is asked for first and
// then until its label matches. False when the user cancelled.
bool EnsureMedium(FixSession& session, const std::string& source) {
  if (source.size() < 2 || source[1] != ':') return true;
  const char drive = ToUpperChar(source[0]);
  session.context.locations.EnsureFilled(session.context.machine);
  const std::string cdLabel = AppInfoValue(session, "CDVolumeLabel");
  if (drive == ToUpperChar(session.context.locations.cdromDrive) && !cdLabel.empty()) {
    while (!LabelMatches(session, drive, cdLabel)) {
      if (!session.AskMedia(session.Text(IDS_INSERT_CD_TO_FIX, {cdLabel}))) return false;
    }
    return true;
  }
  const std::string floppyLabel = AppInfoValue(session, "FloppyVolumeLabel");
  if (drive == 'A' && !floppyLabel.empty()) {
    do {
      if (!session.AskMedia(session.Text(IDS_INSERT_FLOPPY_TO_FIX, {floppyLabel}))) return false;
    } while (!LabelMatches(session, 'A', floppyLabel));
  }
  return true;
}

// True when two paths name the same file, in long or short form.
bool SameFile(platform::FileSystem& files, const std::string& a, const std::string& b) {
  const std::string fullA = files.FullPathName(a);
  if (!fullA.empty() && EqualsNoCase(fullA, files.FullPathName(b))) return true;
  const std::string shortA = files.ShortPathName(a);
  return !shortA.empty() && EqualsNoCase(shortA, files.ShortPathName(b));
}

// The target itself is never its own replacement: the search goes on.
bool TakeIfAcceptable(FixSession& session, const std::string& path, const CandidateRule& rule,
                      FileFixSource& found) {
  if (SameFile(session.context.machine.Files(), path, found.target)) return false;
  if (!IsAcceptableFile(session.context, path, rule, &found.sourceFacts)) return false;
  found.source = path;
  return true;
}

bool FindFixSource(FixSession& session, FileFixSource& found) {
  RunContext& context = session.context;
  const FileItem& item = *found.item;
  const std::string medium = JoinPath(LocationFolder(context, item.sourceCode), item.Name());
  if (!EnsureMedium(session, medium)) found.cancelled = true;
  if (TakeIfAcceptable(session, medium, MediumRule(item), found)) return true;
  BackupSearch search;
  if (FindBackup(context, found.target, BackupFixRule(item), search, TestOnly::No) == platform::kSOk &&
      TakeIfAcceptable(session, search.found, BackupFixRule(item), found)) {
    return true;
  }
  return TakeIfAcceptable(session, PathSpec(context, "W|Sysbckup").Append(item.Name()).Text(), MediumRule(item),
                          found);
}

bool FindRevertSource(FixSession& session, const WantedFile& wanted, FileFixSource& found) {
  const CandidateRule rule = RevertRule(*found.item, wanted);
  BackupSearch search;
  return FindBackup(session.context, found.target, rule, search, TestOnly::No) == platform::kSOk &&
         TakeIfAcceptable(session, search.found, rule, found);
}

// The Windows 95 staged name: the target up to its extension's '.', then
// "001" (MYLIB.DLL gives MYLIB.001). Only the file name is searched for the
// '.', so that a dot in a folder name cannot stage the copy elsewhere; a
// name without one gets ".001" added.
std::string StagedName95(const std::string& target) {
  const size_t slash = target.rfind('\\');
  const size_t dot = target.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return target + ".001";
  return target.substr(0, dot + 1) + "001";
}

std::string ShortOrLong(platform::FileSystem& files, const std::string& path) {
  std::string shortPath = files.ShortPathName(path);
  return shortPath.empty() ? path : shortPath;
}

// Copies the source onto the target at once. False after message IDS_CANNOT_COPY,
// which names the backup that holds the file a failed copy may have spoilt.
bool CopyNow(FixSession& session, const FileFixSource& found, const std::string& kept) {
  if (CopyFileWritable(session.context, found.source, found.target, platform::FailIfExists::No)) return true;
  std::string message = session.Text(IDS_CANNOT_COPY, {DisplayForm(found.source), DisplayForm(found.target)});
  if (!kept.empty()) message += session.Text(IDS_FILE_KEPT_IN, {DisplayForm(kept)});
  session.Tell(message);
  return false;
}

// Stages the copy for the next start of Windows: WININIT.INI [rename] on
// Windows 95, a delayed move on NT. False after message IDS_CANNOT_COPY.
bool CopyAtRestart(FixSession& session, const FileFixSource& found) {
  RunContext& context = session.context;
  platform::FileSystem& files = context.machine.Files();
  const std::string staged = context.isNt ? PathSpec(context, "T|").Append(found.item->Name()).Text()
                                          : StagedName95(found.target);
  if (!CopyFileWritable(context, found.source, staged, platform::FailIfExists::No)) {
    session.Tell(session.Text(IDS_CANNOT_COPY, {DisplayForm(found.source), DisplayForm(staged)}));
    return false;
  }
  bool registered = false;
  if (context.isNt) {
    registered = files.MoveFile(staged, found.target,
                                platform::move::kReplaceExisting | platform::move::kDelayUntilReboot);
  } else {
    registered = context.machine.Ini().WriteString("rename", ShortOrLong(files, found.target),
                                                   ShortOrLong(files, staged), PathSpec(context, "W|wininit.ini"));
  }
  if (!registered) {
    DeleteFileWritable(context, staged);
    session.Tell(session.Text(IDS_CANNOT_COPY, {DisplayForm(staged), DisplayForm(found.target)}));
  }
  return registered;
}

// Checks the item again after an immediate copy. True when the target now
// is the copied file and, for a fix, the check no longer finds the problem
// it found before; a repair is counted only then.
bool CopyTookEffect(FixSession& session, const FileFixSource& found, int statusBefore, FixMode mode) {
  FileItem& item = *found.item;
  item.checked = false;
  const FileCheckOutputs outputs = CheckItem(session.context, session.database, item);
  item.checked = false;  // the pages measure the file again themselves
  const bool copied = IsAcceptableFile(session.context, found.target, IdenticalRule(found.sourceFacts));
  const bool sameProblem = mode == FixMode::Fix && outputs.result != filestatus::kOk && outputs.result == statusBefore;
  return copied && !sameProblem;
}

// Keeps the current file as a numbered backup, named in `kept`; when that
// fails, asks whether to go on without one. False when the user said No.
bool KeepBackup(FixSession& session, const FileFixSource& found, std::string& kept) {
  std::string failure;
  if (CreateBackup(session.context, found.target, failure, kept) == platform::kSOk) return true;
  return session.AskYesNo(failure + "  " + session.Text(IDS_REPLACE_WITHOUT_BACKUP, {DisplayForm(found.item->Name())}));
}

}  // namespace

platform::HResult FindFileFixSource(FixSession& session, const FileFixRequest& request, FileFixSource& found) {
  found = {};
  found.item = CheckedItem(session, request);
  if (found.item == nullptr) return platform::kEFail;
  found.target = TargetOf(session.context, *found.item);
  const bool located = request.mode == FixMode::Revert ? FindRevertSource(session, request.wanted, found)
                                                       : FindFixSource(session, found);
  return located ? platform::kSOk : platform::kEFail;
}

FixResult FixFile(FixSession& session, const FileFixRequest& request) {
  session.Begin();
  FileFixSource found;
  const platform::HResult located = FindFileFixSource(session, request, found);
  if (found.item == nullptr) return session.Failed(FixOutcome::NotApplicable, found.cancelled);
  FileItem& item = *found.item;
  if (located != platform::kSOk) {
    session.Tell(session.Text(IDS_NO_REPLACEMENT, {DisplayForm(item.Name())}));
    return session.Failed(FixOutcome::NoSource, found.cancelled);
  }
  const bool exists = item.status != filestatus::kNotFound;
  const std::string backupPath = BackupFolder(session.context, found.target) + "\\" + item.Name();
  const FileConfirmation confirmation =
      MakeFileConfirmation(session.context, item, {found.target, found.source, backupPath, found.sourceFacts});
  std::string kept;
  if (!session.confirmations.ConfirmFile(confirmation) || (exists && !KeepBackup(session, found, kept))) {
    return session.Failed(FixOutcome::Declined, true);
  }
  const bool revert = request.mode == FixMode::Revert;
  if (!IsFileInUse(session.context, found.target)) {
    const int statusBefore = item.status;
    if (!CopyNow(session, found, kept)) return session.Failed(FixOutcome::Refused, found.cancelled);
    if (!CopyTookEffect(session, found, statusBefore, request.mode)) return session.NotTaken(DisplayForm(item.Name()));
    if (revert) item.reverted = true;
    item.checked = false;
    return session.Completed(request.mode, request.section, FixOutcome::Done);
  }
  if (!CopyAtRestart(session, found)) return session.Failed(FixOutcome::Refused, found.cancelled);
  if (revert) item.reverted = true;
  item.fixPendingRestart = true;
  session.Tell(session.Text(IDS_RESTART_NEEDED) + session.Text(IDS_WAIT_BEFORE_RESTART), platform::Icon::Information);
  return session.Completed(request.mode, request.section, FixOutcome::AtRestart, found.cancelled);
}

}  // namespace cvn
