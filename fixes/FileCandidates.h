// Judging a file that could replace an item's file, and the numbered
// backups kept beside it: "%s\%s.%03d" in the backup folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/Items.h"
#include "config/RunContext.h"
#include "platform/Types.h"
#include "resources/StringIds.h"

namespace cvn {

// What a candidate file is: its version text (empty without one), its
// size (low 32 bits) and its last-write time in local time.
struct CandidateFacts {
  std::string version;
  uint32_t size = 0;
  platform::SystemTime time;
};

// The rule a candidate must meet (the four uses below build it).
struct CandidateRule {
  std::string wantedVersion;
  uint32_t wantedSize = 0;
  std::optional<platform::SystemTime> wantedTime;
  std::vector<std::string> requiredVersions;
  std::vector<std::string> badVersions;
  bool unversionedOk = false;
  bool exactMatch = false;
};

// The earlier state a revert looks for.
struct WantedFile {
  std::string version;
  uint32_t size = 0;
  std::optional<platform::SystemTime> time;
};

// A replacement on the installation medium or in the system backup folder.
CandidateRule MediumRule(const FileItem& item);
// A backup taken as a replacement: it must carry version information.
CandidateRule BackupFixRule(const FileItem& item);
// A backup taken as the earlier file of a revert.
CandidateRule RevertRule(const FileItem& item, const WantedFile& wanted);
// A backup identical to the current file.
CandidateRule IdenticalRule(const CandidateFacts& current);

// Reads the candidate's facts; nothing when it does not exist (or is a
// folder) or its time cannot be converted.
std::optional<CandidateFacts> ReadCandidate(RunContext& context, const std::string& path);

// True when the candidate exists and meets `rule`; `facts` receives what
// was read.
bool IsAcceptableFile(RunContext& context, const std::string& candidate, const CandidateRule& rule,
                      CandidateFacts* facts = nullptr);

// "1|backup" for a file outside the Windows and System folders, else
// "W|backup"; expanded, without a trailing backslash.
std::string BackupFolder(RunContext& context, const std::string& target);

enum class TestOnly { No, Yes };

struct BackupSearch {
  std::string found;           // the first acceptable backup
  uint32_t highestNumber = 0;  // the highest number among all backups
};

// Looks through the backups of `target` in the order the platform lists
// them. 0 when one is acceptable, else E_FAIL. With TestOnly every backup
// is looked at, so the highest number covers all of them.
platform::HResult FindBackup(RunContext& context, const std::string& target, const CandidateRule& rule,
                             BackupSearch& search, TestOnly testOnly);

// Saves the current target as the next numbered backup unless an identical
// one exists. 0, with `kept` naming the backup that holds the current file
// (empty when there is no file), or E_FAIL with `failure` holding the
// message to show (IDS_CANNOT_CREATE_FOLDER the folder cannot be made, IDS_CANNOT_CREATE_BACKUP the copy failed).
platform::HResult CreateBackup(RunContext& context, const std::string& target, std::string& failure, std::string& kept);

// True when the file cannot be replaced now: another process holds it open
// (a loaded DLL, a running program). A path without a folder counts as in use.
bool IsFileInUse(RunContext& context, const std::string& path);

// Copy and delete that never leave a read-only file behind (files from a
// CD are read-only).
bool CopyFileWritable(RunContext& context, const std::string& from, const std::string& to,
                      platform::FailIfExists failIfExists);
void DeleteFileWritable(RunContext& context, const std::string& path);

}  // namespace cvn
