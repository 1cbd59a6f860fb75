// How an installed version measures up to the versions a file entry lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cvn {

// 0 when `version` equals an entry of `list`, else 1 when it is newer than
// at least one entry, else -1 (also for an empty list).
int CompareWithVersionList(std::string_view version, const std::vector<std::string>& list);

struct VersionJudgement {
  int status = 0;               // a filestatus:: code, kOk when acceptable
  std::string requiredVersion;  // the version shown as required
};

// The version step of the file check for a file whose version was read:
// a rejected version first, then the accepted list.
VersionJudgement JudgeVersion(std::string_view actual, const std::vector<std::string>& accepted,
                              const std::vector<std::string>& rejected);

}  // namespace cvn
