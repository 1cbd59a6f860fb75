#include "tools/cvntool/ToolDatabase.h"

#include "checks/InstallMedia.h"
#include "checks/SystemProfileMeasure.h"

namespace cvn::tool {

bool LoadLikeStartup(RunContext& context, const std::string& path, ConfigDatabase& database, std::ostream& errors) {
  Measure(context, database.systemInfo);
  if (database.Load(context, path) != platform::kSOk) {
    errors << "cvntool: cannot load " << path << '\n';
    return false;
  }
  PrepareFileInfo(context, database);
  return true;
}

}  // namespace cvn::tool
