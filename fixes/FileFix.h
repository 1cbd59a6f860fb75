// Fixing or reverting one file item: find an acceptable replacement (the
// installation medium, earlier backups, "W|Sysbckup") or the earlier
// backup, confirm, keep the current file as a numbered backup, then copy
// at once or, for a file in use, at the next start of Windows.
#pragma once

#include <cstdint>
#include <string>

#include "fixes/FileCandidates.h"
#include "fixes/FixSession.h"
#include "platform/Types.h"

namespace cvn {

struct FileFixRequest {
  SectionId section = SectionId::ProgramInfo;  // one of the four file sections
  std::string itemName;
  FixMode mode = FixMode::Fix;
  WantedFile wanted;  // the earlier file of a revert
};

// Where a repair would copy from and to. `cancelled` is set when the user
// cancelled a media prompt on the way.
struct FileFixSource {
  FileItem* item = nullptr;
  std::string target;
  std::string source;  // empty when nothing acceptable was found
  CandidateFacts sourceFacts;
  bool cancelled = false;
};

// Looks for the source as FixFile does, media prompts included, and
// changes nothing. E_FAIL when the item does not exist or no source fits.
platform::HResult FindFileFixSource(FixSession& session, const FileFixRequest& request, FileFixSource& found);

// Done or AtRestart on success; NotApplicable when the item does not
// exist, NoSource when nothing acceptable was found, Declined when the user
// said No, Refused or NotTaken when a copy or move failed after the user
// had confirmed. `cancelled` also tells of a cancelled media prompt.
FixResult FixFile(FixSession& session, const FileFixRequest& request);

}  // namespace cvn
