// The recent-changes list: what differs between the application's state
// now and its snapshots in the usage database since a chosen date, whether
// each earlier state was acceptable, and whether it has been reverted.
// Plain rows, for the Recent Changes page and for cvntool alike.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/Types.h"
#include "util/ListSurface.h"
#include "util/RowData.h"

namespace cvn {

// The chosen stamp before the user picks a date: no stamp reaches it.
inline constexpr const char* kNoStampChosen = "999999999999";

// Statuses of a row (its image): the problem levels, with 1 for an
// acceptable earlier state of an item that is not required.
namespace recentstatus {
inline constexpr int kAcceptableRequired = 0;
inline constexpr int kAcceptableNotRequired = 1;
inline constexpr int kNotAcceptableNotRequired = 3;
inline constexpr int kNotAcceptableRequired = 5;
inline constexpr int kReverted = 10;
inline constexpr int kRevertedAtRestart = 11;
}  // namespace recentstatus

struct RecentChangeRow {
  std::string name;      // the file name, or the last part of a setting's location
  std::string current;
  std::string previous;
  std::string notes;
  std::string stamp;     // the snapshot's time stamp
  RowData data;          // as the list keeps it; `text` (version or value), `size`, `time` are the snapshot's
};

// How far the scan goes: the whole file for the list, or only until the
// first row, to learn whether there is any.
enum class ScanExtent { AllRows, FirstRow };

struct RecentChangesRequest {
  bool showAll = false;
  std::string chosenStamp = kNoStampChosen;
  ScanExtent extent = ScanExtent::AllRows;
};

struct RecentChanges {
  std::vector<RecentChangeRow> rows;
  std::vector<std::string> dates;  // every readable snapshot stamp, ascending, each once
  int badCount = 0;                // differences whose earlier state is not acceptable
  int rowCount = 0;
};

// A snapshot's time stamp as the list shows it: long date and time.
std::string StampDateText(RunContext& context, const std::string& stamp);

// Reads the usage database beside the configuration database. 0, or
// platform::kEFail after a message when it cannot be read.
platform::HResult CollectRecentChanges(RunContext& context, ConfigDatabase& database,
                                       const RecentChangesRequest& request, RecentChanges& changes);

// The list builder of the Recent Changes page: empties `list` when one is
// given and fills it with the rows (columns Name, Current, Previous, Notes;
// image = status). Without a list it stops at the first row it counts.
platform::HResult BuildRecentChanges(RunContext& context, ConfigDatabase& database, ListSurface* list, bool showAll,
                                     int& badCount, int& rowCount, std::vector<std::string>& dates,
                                     const std::string& chosenStamp);

// The wizard's one scan at construction: whether any date would list a
// difference, so that the recent-changes pages are worth showing.
bool RecentChangesWorthShowing(RunContext& context, ConfigDatabase& database);

}  // namespace cvn
