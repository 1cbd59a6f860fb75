// The usage database (.udb) beside the configuration database: dated
// snapshots of the application's files and tracked settings, created on the
// first run and brought up to date at every start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/Types.h"

namespace cvn {

// What an update did, for those who print it.
struct UsageTally {
  std::string usagePath;
  bool created = false;
  size_t snapshotsAdded = 0;  // snapshot lines written (one per recorded item on creation)
};

// Creates the usage database when it does not exist, else refreshes it.
// 0, or platform::kEFail after a message. `tally` may be null.
platform::HResult UpdateUsageDatabase(RunContext& context, const std::string& configPath, ConfigDatabase* database,
                                      UsageTally* tally = nullptr);

// Writes a new usage database with one snapshot, taken now, per recorded
// item. Without a database, it is loaded from `configPath` first.
platform::HResult CreateUsageDatabase(RunContext& context, const std::string& configPath, const std::string& usagePath,
                                      ConfigDatabase* database, UsageTally* tally = nullptr);

// Appends a snapshot line, stamped now, to every entry whose state differs
// from its last snapshot, when the frequency or "ChangesMade" says one is
// due, and rewrites "LastCheck". Lines it cannot read are copied unchanged.
// Without a database the location codes come from the file's own
// Directory Info section.
platform::HResult RefreshUsageDatabase(RunContext& context, const std::string& usagePath, ConfigDatabase* database,
                                       UsageTally* tally = nullptr);

}  // namespace cvn
