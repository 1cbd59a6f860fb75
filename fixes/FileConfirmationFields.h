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

FileConfirmation MakeFileConfirmation(RunContext& context, const FileItem& item, const FileCopyPlan& plan);

}  // namespace cvn
