// The names of the modules a PE file imports, from its import directory
// (data directory 1): one 20-byte descriptor per module, ending at the
// first descriptor whose name address is 0.
#pragma once

#include <string>
#include <vector>

#include "util/pe/PeFile.h"

namespace cvn::pe {

struct ImportList {
  std::vector<std::string> modules;  // in descriptor order
  // Why reading stopped before the closing descriptor; empty when it did not.
  std::string error;
};

// The modules named before the first unreadable descriptor or name.
ImportList ReadImportedModules(const PeFile& pe);

}  // namespace cvn::pe
