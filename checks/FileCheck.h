// The check of one expected file: where it is, its version, its size and
// date against the file information, second copies, bitness and the load
// check's result. Its outputs are cached in the item for the run.
#pragma once

#include <cstdint>
#include <string>

#include "config/FileInfoEntry.h"
#include "config/Items.h"
#include "config/RunContext.h"

namespace cvn {

struct FileCheckOutputs {
  std::string actualVersion;
  std::string requiredVersion;
  std::string notes;
  int result = 0;  // a filestatus:: code
};

// Checks `item` on the first call of the run and stores the outputs in it;
// later calls only copy the cached outputs (until a fix clears `checked`).
// `info` is the item's file information entry, or null.
void CheckFile(RunContext& context, FileItem& item, const FileInfoEntry* info, FileCheckOutputs& outputs,
               bool appWin32);

// A fix is offered for every result but the folder findings (2, 3 and 4).
bool FileFixAllowed(int result);

}  // namespace cvn
