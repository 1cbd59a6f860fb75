// The technical-support report: one plain-text file, written when the
// wizard finishes, that repeats everything the wizard found.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/Answers.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/Types.h"
#include "resources/StringIds.h"

namespace cvn {

// Whether the user is told where the report went (message IDS_REPORT_COMPLETE); a tool
// that prints the path itself leaves it out.
enum class CompletionMessage { Show, Omit };

// Writes the report into the application folder, else the temporary
// folder, and gives its full path in `reportPath`. 0, or platform::kEFail
// after message IDS_CANNOT_OPEN_DATABASE when neither folder takes the file. A `chosenPath`
// (cvntool's --out) is the only place tried.
platform::HResult WriteReport(RunContext& context, ConfigDatabase& database, const SavedAnswers& answers,
                              const UserInfo& user, std::string& reportPath,
                              CompletionMessage completion = CompletionMessage::Show,
                              const std::optional<std::string>& chosenPath = std::nullopt);

}  // namespace cvn
