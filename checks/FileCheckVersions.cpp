#include "checks/FileCheckVersions.h"

#include "config/ItemStatus.h"
#include "config/ValueFormats.h"

namespace cvn {

int CompareWithVersionList(std::string_view version, const std::vector<std::string>& list) {
  bool newerThanOne = false;
  for (const auto& entry : list) {
    const int order = CompareVersions(version, entry);
    if (order == 0) return 0;
    if (order > 0) newerThanOne = true;
  }
  return newerThanOne ? 1 : -1;
}

VersionJudgement JudgeVersion(std::string_view actual, const std::vector<std::string>& accepted,
                              const std::vector<std::string>& rejected) {
  const std::string firstAccepted = accepted.empty() ? "" : accepted.front();
  if (!rejected.empty() && CompareWithVersionList(actual, rejected) == 0) {
    return {filestatus::kRejectedVersion, firstAccepted};
  }
  if (accepted.empty()) return {};
  switch (CompareWithVersionList(actual, accepted)) {
    case 0:
      return {filestatus::kOk, std::string(actual)};
    case 1:
      return {filestatus::kOk, accepted.back()};
    default:
      return {filestatus::kOlderVersion, firstAccepted};
  }
}

}  // namespace cvn
