// How the expected value of a setting is shown on the pages, in the
// detail dialogs and in the report.
#pragma once

#include <string>
#include <string_view>

namespace cvn {

struct RunContext;

// "*" shows as "[Any non-blank value]"; quotes are dropped; a path is
// expanded; a list shows as "[a, b, or c]" or "[Contains: x]".
std::string FormatExpectedValues(RunContext& context, std::string_view valueText);

}  // namespace cvn
