#include "tools/cvntool/LoadDatabase.h"

#include "app/Startup.h"
#include "checks/InstallMedia.h"

namespace cvn::tool {

bool LoadForChecks(RunContext& context, ConfigDatabase& database, const std::string& path, std::ostream& errors) {
  if (MeasureAndLoad(context, database, path) != platform::kSOk) {
    errors << "cvntool: cannot load " << path << '\n';
    return false;
  }
  static_cast<void>(PrepareFileInfo(context, database));
  return true;
}

}  // namespace cvn::tool
