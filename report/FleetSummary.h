// The JSON reports of a fleet summed up: per item, on how many machines it
// was found with a problem or a warning, and which machines could not be
// checked.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cvn {

struct FleetItem {
  std::string section;
  std::string name;
  int problems = 0;  // machines where its level was 4 or more
  int warnings = 0;  // machines where it was 2 or 3
  size_t lastReport = 0;  // the report that counted it last (1-based), so a machine counts once
};

// A machine and why its report says nothing about its items.
struct FleetFailure {
  std::string machine;
  std::string reason;
};

struct FleetSummary {
  size_t reports = 0;
  size_t checked = 0;
  std::vector<FleetItem> items;           // most problems first, then most warnings
  std::vector<FleetFailure> notLoaded;    // the database or machine could not be loaded
  std::vector<FleetFailure> unreadable;   // not a report of this schema
};

class FleetTally {
 public:
  // One machine's report (of cvntool report --json or check --json).
  void Add(const std::string& machine, std::string_view json);
  // The items sorted; the tally is spent.
  FleetSummary Finish();

 private:
  void Count(std::string_view section, std::string_view name, double level);

  FleetSummary summary_;
  std::unordered_map<std::string, size_t> index_;  // section and case-folded name
};

}  // namespace cvn
