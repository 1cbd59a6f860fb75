// The one repair of a requirement: deleting temporary files to free disk
// space for a failed disk-space row.
#pragma once

#include "config/SystemProfile.h"
#include "resources/StringIds.h"

namespace cvn {

struct RunContext;

// Asks "Free disk space by deleting temporary files?" (IDS_FREE_SPACE_QUESTION); on Yes
// deletes the Windows, Netscape and Internet Explorer temporary files
// under the wait cursor and measures the temporary space and both free
// disk space figures of `measured` again. False when the user said No.
bool FreeDiskSpace(RunContext& context, SystemProfile& measured);

}  // namespace cvn
