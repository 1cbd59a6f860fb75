// Listing a section of settings for the check page and the report: every
// item is checked, counted when it has a problem, and shown as a row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checks/SettingCheck.h"
#include "util/RowData.h"

namespace cvn {

struct SettingRow {
  std::string name;            // the text after the last backslash of the location
  std::string liveValue;       // the raw live value
  std::string expectedValues;  // the display form of the expected values
  std::string explanation;
  RowData data;
};

enum class ShowRows { Problems, All };

// Checks the items of "INI Info" or "Registry Info" in order, adds one to
// `problemCount` for every item with a status and appends the rows shown.
// Without both text sections nothing is checked and the result is
// platform::kEFail.
int32_t ListSettings(RunContext& context, const ConfigSection& settings, const SettingTexts& texts,
                     ShowRows show, std::vector<SettingRow>& rows, int& problemCount);

}  // namespace cvn
