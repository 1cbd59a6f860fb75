// cvntool summary DIR: sums up the JSON reports collected from a fleet
// (every *.json in DIR, each named after its machine): per item, on how
// many machines it was found with a problem and with a warning, most
// problems first; then the machines that could not be checked.
#pragma once

#include <ostream>
#include <string>

#include "report/FleetSummary.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// Reads every report of `folder`, in name order. False, with `error` set,
// when the folder cannot be listed.
bool SummarizeFolder(const std::string& folder, FleetSummary& summary, std::string& error);

void PrintSummary(const FleetSummary& summary, std::ostream& out);

// Needs no machine. 0, 1 when DIR cannot be read, 2 a usage error.
int RunSummary(const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
