// Moves and deletions waiting for the next start of Windows, kept as
// Windows NT keeps them: in the REG_MULTI_SZ value PendingFileRenameOperations
// of HKLM\SYSTEM\CurrentControlSet\Control\Session Manager, as pairs of
// "\??\from" and "\??\to" ("!\??\to" when the target may be replaced, an
// empty text for a deletion).
#pragma once

#include <string>
#include <vector>

#include "platform/emulated/RegistryStore.h"

namespace cvn::emulated {

struct PendingRename {
  std::string from;
  std::string to;  // empty: delete `from`
  bool replaceExisting = false;
  bool operator==(const PendingRename&) const = default;
};

class PendingRenames {
 public:
  explicit PendingRenames(RegistryStore& registry) : registry_(registry) {}

  bool Add(const PendingRename& rename);
  std::vector<PendingRename> List() const;

 private:
  RegistryStore& registry_;
};

}  // namespace cvn::emulated
