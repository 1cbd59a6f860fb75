// Listing a section of settings for the check page and the report: every
// item is checked, counted when it has a problem, and shown as a row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checks/ListedRows.h"
#include "checks/SettingCheck.h"
#include "platform/Types.h"
#include "util/RowData.h"

namespace cvn {

class ConfigDatabase;

struct SettingRow {
  std::string name;            // the text after the last backslash of the location
  std::string liveValue;       // the raw live value
  std::string expectedValues;  // the display form of the expected values
  std::string explanation;
  RowData data;
};

// Checks the items of "INI Info" or "Registry Info" in order, adds one to
// `problemCount` for every item with a status and appends the rows shown.
// A text section that is missing or empty only leaves its texts out, as
// the report does: the page never hides a setting the report lists.
platform::HResult ListSettings(RunContext& context, const ConfigSection& settings, const SettingTexts& texts,
                               ShowRows show, std::vector<SettingRow>& rows, int& problemCount);

// The whole location of a listed setting, shown beside the list for the
// selected row: a Registry location as written, an INI location as
// "file [section] key", or as written when it cannot be split.
std::string SettingFullName(const SettingItem& item, SectionType type);

}  // namespace cvn
