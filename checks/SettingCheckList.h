// Listing a section of settings for the check page and the report: every
// item is checked, counted when it has a problem, and shown as a row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checks/ListedRows.h"
#include "checks/SettingCheck.h"
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
// Without both text sections nothing is checked and the result is
// platform::kEFail.
int32_t ListSettings(RunContext& context, const ConfigSection& settings, const SettingTexts& texts,
                     ShowRows show, std::vector<SettingRow>& rows, int& problemCount);

// The database's "Action Text Info" and "Explanation Text Info"; a section
// without entries counts as missing, as the loader creates every standard
// section whether the file has it or not.
SettingTexts SettingTextsOf(const ConfigDatabase& database);

// The whole location of a listed setting, shown beside the list for the
// selected row: a Registry location as written, an INI location as
// "file [section] key", or as written when it cannot be split.
std::string SettingFullName(const SettingItem& item, SectionType type);

}  // namespace cvn
