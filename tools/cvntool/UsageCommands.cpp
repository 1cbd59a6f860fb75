#include "tools/cvntool/UsageCommands.h"

#include "checks/FileCheckFigures.h"
#include "config/ValueFormats.h"
#include "tools/cvntool/DumpFormat.h"
#include "tools/cvntool/LoadDatabase.h"
#include "usage/RecentChanges.h"
#include "usage/UsageDatabase.h"
#include "usage/UsageLines.h"

namespace cvn::tool {

int RunUdb(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return 2;
  }
  ConfigDatabase database;
  if (!LoadForChecks(context, database, options.operands[0], errors)) return 1;
  UsageTally tally;
  if (UpdateUsageDatabase(context, options.operands[0], &database, &tally) != platform::kSOk) {
    errors << "cvntool: cannot update the usage database\n";
    return 1;
  }
  out << tally.usagePath << '\n' << (tally.created ? "created, " : "refreshed, ") << tally.snapshotsAdded
      << " snapshot lines added\n";
  return 0;
}

int RunChanges(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1 || (options.since && !IsTimestamp(*options.since))) {
    errors << kUsage;
    return 2;
  }
  ConfigDatabase database;
  if (!LoadForChecks(context, database, options.operands[0], errors)) return 1;
  RecentChanges changes;
  const RecentChangesRequest request{options.all, options.since.value_or(kNoStampChosen), ScanExtent::AllRows};
  if (CollectRecentChanges(context, database, request, changes) != platform::kSOk) {
    errors << "cvntool: cannot read the usage database\n";
    return 1;
  }
  if (!options.since) {
    for (const std::string& date : changes.dates) {
      out << "date " << date << ' ' << Quote(StampDateText(context, date)) << '\n';
    }
  }
  for (const RecentChangeRow& row : changes.rows) {
    out << "row " << Quote(row.name) << ' ' << Quote(row.current) << ' ' << Quote(row.previous) << ' '
        << Quote(row.notes) << " status=" << row.data.status << '\n';
  }
  out << "differences " << changes.rowCount << " not-acceptable " << changes.badCount << '\n';
  return 0;
}

}  // namespace cvn::tool
