#include "fixes/FileCandidates.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "checks/FileCheckFigures.h"
#include "checks/FileCheckVersions.h"
#include "checks/PeModules.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"
#include "util/text/WindowsPath.h"

namespace cvn {

namespace {

bool SameFolder(std::string_view a, std::string_view b) {
  auto trimmed = [](std::string_view s) {
    while (!s.empty() && s.back() == '\\') s.remove_suffix(1);
    return s;
  };
  return EqualsNoCase(trimmed(a), trimmed(b));
}

// The number of a backup: the text after the last '.', cut at the first
// blank, read as a decimal number (0 when it is none).
uint32_t BackupNumber(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return 0;
  uint64_t number = 0;
  for (size_t i = dot + 1; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
    number = std::min<uint64_t>(number * 10 + static_cast<uint64_t>(name[i] - '0'),
                                std::numeric_limits<uint32_t>::max());
  }
  return static_cast<uint32_t>(number);
}

bool VersionAcceptable(const std::string& version, const CandidateRule& rule) {
  for (const auto& bad : rule.badVersions) {
    if (CompareVersions(version, bad) == 0) return false;
  }
  return rule.requiredVersions.empty() || CompareWithVersionList(version, rule.requiredVersions) >= 0;
}

bool SameSizeAndMinute(const CandidateFacts& facts, const CandidateRule& rule) {
  return facts.size == rule.wantedSize && rule.wantedTime && SameMinute(facts.time, *rule.wantedTime);
}

// Exactly the wanted file: an empty version matches only an empty one, a
// version only the same version; then the size and the time to the minute.
bool IsSameFile(const CandidateFacts& facts, const CandidateRule& rule) {
  if (facts.version.empty() != rule.wantedVersion.empty()) return false;
  if (!facts.version.empty() && CompareVersions(facts.version, rule.wantedVersion) != 0) return false;
  return SameSizeAndMinute(facts, rule);
}

bool IsFolder(RunContext& context, const std::string& path) {
  const uint32_t attributes = context.machine.Files().GetAttributes(path);
  return attributes != platform::attr::kInvalid && (attributes & platform::attr::kDirectory) != 0;
}

void ClearReadOnly(platform::FileSystem& files, const std::string& path) {
  const uint32_t attributes = files.GetAttributes(path);
  if (attributes == platform::attr::kInvalid || (attributes & platform::attr::kReadOnly) == 0) return;
  const uint32_t cleared = attributes & ~platform::attr::kReadOnly;
  files.SetAttributes(path, cleared == 0 ? platform::attr::kNormal : cleared);
}

}  // namespace

CandidateRule MediumRule(const FileItem& item) {
  CandidateRule rule;
  rule.requiredVersions = item.acceptedVersions;
  rule.badVersions = item.rejectedVersions;
  rule.unversionedOk = true;
  return rule;
}

CandidateRule BackupFixRule(const FileItem& item) {
  CandidateRule rule = MediumRule(item);
  rule.unversionedOk = false;
  return rule;
}

CandidateRule RevertRule(const FileItem& item, const WantedFile& wanted) {
  CandidateRule rule = BackupFixRule(item);
  rule.wantedVersion = wanted.version;
  rule.wantedSize = wanted.size;
  rule.wantedTime = wanted.time;
  // An earlier state without version information is known only by its size
  // and time: a versioned backup is never that state.
  rule.exactMatch = wanted.version.empty();
  return rule;
}

CandidateRule IdenticalRule(const CandidateFacts& current) {
  CandidateRule rule;
  rule.wantedVersion = current.version;
  rule.wantedSize = current.size;
  rule.wantedTime = current.time;
  rule.exactMatch = true;
  return rule;
}

std::optional<CandidateFacts> ReadCandidate(RunContext& context, const std::string& path) {
  platform::FileSystem& files = context.machine.Files();
  platform::FindData data;
  if (path.empty() || !files.FindFirst(path, data) || (data.attributes & platform::attr::kDirectory) != 0) {
    return std::nullopt;
  }
  const auto local = files.FileTimeToLocal(data.lastWriteTime);
  if (!local) return std::nullopt;
  CandidateFacts facts;
  facts.size = static_cast<uint32_t>(data.size & 0xFFFFFFFFu);
  facts.time = *local;
  if (ReadFileVersion(context.machine, path, facts.version) != platform::kSOk) facts.version.clear();
  return facts;
}

bool IsAcceptableFile(RunContext& context, const std::string& candidate, const CandidateRule& rule,
                      CandidateFacts* facts) {
  const std::optional<CandidateFacts> read = ReadCandidate(context, candidate);
  if (!read) return false;
  if (facts != nullptr) *facts = *read;
  if (rule.exactMatch) return IsSameFile(*read, rule);
  if (!read->version.empty()) {
    if (rule.wantedVersion.empty()) return VersionAcceptable(read->version, rule);
    if (CompareVersions(read->version, rule.wantedVersion) != 0) return false;
    if (!rule.exactMatch) return true;
  }
  if (rule.unversionedOk) return true;
  return SameSizeAndMinute(*read, rule);
}

std::string BackupFolder(RunContext& context, const std::string& target) {
  platform::FileSystem& files = context.machine.Files();
  const std::string folder = FolderOf(target);
  const bool system = SameFolder(folder, files.WindowsDirectory()) || SameFolder(folder, files.SystemDirectory());
  std::string backup = PathSpec(context, system ? "W|backup" : "1|backup").Text();
  while (!backup.empty() && backup.back() == '\\') backup.pop_back();
  return backup;
}

platform::HResult FindBackup(RunContext& context, const std::string& target, const CandidateRule& rule,
                             BackupSearch& search, TestOnly testOnly) {
  search = {};
  const std::string folder = BackupFolder(context, target) + "\\";
  platform::FindData data;
  auto listing = context.machine.Files().FindFirst(folder + FileNameOf(target) + ".*", data);
  bool acceptable = false;
  for (bool more = listing != nullptr; more; more = listing->Next(data)) {
    if ((data.attributes & platform::attr::kDirectory) != 0) continue;
    search.highestNumber = std::max(search.highestNumber, BackupNumber(data.name));
    if (!IsAcceptableFile(context, folder + data.name, rule)) continue;
    if (!acceptable) search.found = folder + data.name;
    acceptable = true;
    if (testOnly == TestOnly::No) break;
  }
  return acceptable ? platform::kSOk : platform::kEFail;
}

platform::HResult CreateBackup(RunContext& context, const std::string& target, std::string& failure,
                               std::string& kept) {
  kept.clear();
  platform::Strings& texts = context.machine.Texts();
  const std::optional<CandidateFacts> current = ReadCandidate(context, target);
  if (!current) {
    if (context.machine.Files().GetAttributes(target) == platform::attr::kInvalid) return platform::kSOk;
    // A file whose entry or time cannot be read could match no backup:
    // replacing it now would keep nothing of it.
    failure = LoadText(texts, IDS_CANNOT_CREATE_BACKUP, {DisplayForm(FileNameOf(target))});
    return platform::kEFail;
  }
  BackupSearch search;
  if (FindBackup(context, target, IdenticalRule(*current), search, TestOnly::Yes) == platform::kSOk) {
    kept = search.found;
    return platform::kSOk;
  }
  const std::string folder = BackupFolder(context, target);
  if (!IsFolder(context, folder) && !context.machine.Files().CreateDirectory(folder)) {
    failure = LoadText(texts, IDS_CANNOT_CREATE_FOLDER, {DisplayForm(folder)});
    return platform::kEFail;
  }
  char number[16];
  std::snprintf(number, sizeof number, ".%03u", search.highestNumber + 1);
  const std::string backup = JoinPath(folder, FileNameOf(target) + number);
  if (!CopyFileWritable(context, target, backup, platform::FailIfExists::Yes)) {
    DeleteFileWritable(context, backup);  // a copy that broke off is no backup
    failure = LoadText(texts, IDS_CANNOT_CREATE_BACKUP, {DisplayForm(FileNameOf(target))});
    return platform::kEFail;
  }
  kept = backup;
  return platform::kSOk;
}

bool IsFileInUse(RunContext& context, const std::string& path) {
  if (path.find('\\') == std::string::npos) return true;
  return context.machine.Files().IsFileInUse(path);
}

bool CopyFileWritable(RunContext& context, const std::string& from, const std::string& to,
                      platform::FailIfExists failIfExists) {
  platform::FileSystem& files = context.machine.Files();
  if (failIfExists == platform::FailIfExists::No) ClearReadOnly(files, to);
  if (!files.CopyFile(from, to, failIfExists)) return false;
  ClearReadOnly(files, to);
  return true;
}

void DeleteFileWritable(RunContext& context, const std::string& path) {
  platform::FileSystem& files = context.machine.Files();
  ClearReadOnly(files, path);
  files.DeleteFile(path);
}

}  // namespace cvn
