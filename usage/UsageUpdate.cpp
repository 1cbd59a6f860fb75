#include "resources/StringIds.h"
#include "usage/UsageDatabase.h"
#include "usage/UsageFiles.h"
#include "usage/UsageMessages.h"

namespace cvn {

platform::HResult UpdateUsageDatabase(RunContext& context, const std::string& configPath, ConfigDatabase* database,
                                      UsageTally* tally) {
  const std::optional<std::string> usagePath = UsageDatabasePath(configPath);
  if (!usagePath) {
    TellUsageProblem(context, IDS_CANNOT_LOCATE_USAGE, configPath);
    return platform::kEFail;
  }
  // A refresh whose last step failed left the new history in the working copy.
  const std::optional<std::string> workingCopy = WorkingCopyPath(*usagePath);
  if (workingCopy && !RecoverWorkingCopy(context.machine.Files(), *usagePath, *workingCopy)) {
    TellUsageProblem(context, IDS_CANNOT_UPDATE_USAGE, *usagePath);
    return platform::kEFail;
  }
  if (context.machine.Files().GetAttributes(*usagePath) == platform::attr::kInvalid) {
    return CreateUsageDatabase(context, configPath, *usagePath, database, tally);
  }
  return RefreshUsageDatabase(context, *usagePath, database, tally);
}

}  // namespace cvn
