// The fields of "Confirm File Copy" for one repair: Replace/With for an
// existing file, Copy/To for a missing one.
#pragma once

#include <string>

#include "config/Items.h"
#include "config/RunContext.h"
#include "fixes/FileCandidates.h"
#include "fixes/FixConfirmations.h"

namespace cvn {

struct FileCopyPlan {
  std::string target;      // the file to replace or create
  std::string source;      // the replacement
  std::string backupPath;  // the backup folder joined with the file name
  CandidateFacts sourceFacts;
};

// The file as the check found it, with the differing fields in bold and a
// known bad version marked; the file details show it too.
FileFacts CurrentFileFacts(platform::Strings& texts, const FileItem& item);

FileConfirmation MakeFileConfirmation(RunContext& context, const FileItem& item, const FileCopyPlan& plan);

}  // namespace cvn
