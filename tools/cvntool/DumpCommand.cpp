#include "tools/cvntool/DumpCommand.h"

#include "config/ConfigDatabase.h"
#include "tools/cvntool/DumpFormat.h"

namespace cvn::tool {

int RunDump(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return 2;
  }
  ConfigDatabase database;
  if (database.Load(context, options.operands[0]) != platform::kSOk) {
    errors << "cvntool: cannot load " << options.operands[0] << '\n';
    return 1;
  }
  DumpDatabase(out, database);
  DumpLocations(out, context);
  return 0;
}

}  // namespace cvn::tool
