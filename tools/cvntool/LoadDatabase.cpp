#include "tools/cvntool/LoadDatabase.h"

#include "checks/InstallMedia.h"
#include "checks/SystemProfileMeasure.h"

namespace cvn::tool {

bool LoadForChecks(RunContext& context, ConfigDatabase& database, const std::string& path, std::ostream& errors) {
  Measure(context, database.systemInfo);
  if (database.Load(context, path) != platform::kSOk) {
    errors << "cvntool: cannot load " << path << '\n';
    return false;
  }
  PrepareFileInfo(context, database);
  return true;
}

}  // namespace cvn::tool
