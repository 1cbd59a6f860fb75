// The live state of an item that the usage database records: a file's
// version, size and last-write time, or a setting's value as text.
#pragma once

#include <optional>
#include <string>

#include "config/RunContext.h"
#include "usage/UsageLines.h"

namespace cvn {

// The file of an entry line: in the folder the entry names (a location
// code or a folder), else on the system search path. Nothing when it is
// nowhere. The stamp of the result is left empty.
std::optional<FileSnapshot> CurrentFileState(RunContext& context, const FileEntryLine& entry);

// The value text of a setting entry, as a snapshot line keeps it. Nothing
// for a Registry value of a type that is not compared; a key or value that
// cannot be read gives an empty text.
std::optional<std::string> CurrentSettingValue(RunContext& context, UsageSection section,
                                               const std::string& location);

}  // namespace cvn
