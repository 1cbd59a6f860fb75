// The messages of the usage database, each naming a file in display form.
#pragma once

#include <string_view>

#include "config/RunContext.h"

namespace cvn {

// A warning with an OK button: text `textId` with the display form of `path`.
void TellUsageProblem(RunContext& context, int textId, std::string_view path = {});

}  // namespace cvn
