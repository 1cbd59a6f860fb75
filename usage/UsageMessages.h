// The messages of the usage database, each naming a file in display form.
#pragma once

#include <string_view>

#include "config/RunContext.h"

namespace cvn {

namespace usagetext {
inline constexpr int kCannotLoadDatabase = 10072;  // "Unable to load Configuration Database file '%s'."
inline constexpr int kCannotLocate = 10074;        // "Unable to locate Usage Database file for '%s'."
inline constexpr int kCannotCreate = 10075;        // "Unable to create Usage Database file '%s'."
inline constexpr int kCannotProcess = 10076;       // "Unable to process Usage Database file '%s'."
inline constexpr int kCannotUpdate = 10077;        // "Unable to update Usage Database file '%s'."
inline constexpr int kCannotOpenUnnamed = 10078;   // "Unable to open Usage Database file."
inline constexpr int kCannotOpen = 10079;          // "Unable to open Usage Database file '%s'."
inline constexpr int kReadOnly = 10480;            // the file is read-only: what to do
}  // namespace usagetext

// A warning with an OK button: text `textId` with the display form of `path`.
void TellUsageProblem(RunContext& context, int textId, std::string_view path = {});

}  // namespace cvn
