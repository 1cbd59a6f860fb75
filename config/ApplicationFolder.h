// Where the supported application lives: location 1 of the table, set
// while the database loads.
#pragma once

#include <memory>
#include <string_view>

namespace cvn {

struct RunContext;
class ConfigSection;
class ConfigDatabase;

// Makes `folder` the application folder (location 1), and the value of
// the "1" entry of Directory Info when it is attached.
void SetApplicationFolder(RunContext& context, std::string_view folder);
// Makes `folder` the System folder (location S), and the value of the "S"
// entry of Directory Info when it is attached.
void SetSystemFolder(RunContext& context, std::string_view folder);
// Attaches Directory Info (or detaches with an empty one) and writes the resolved
// folders of W, S, T, 1 and 2 into its entries.
void AttachDirectorySection(RunContext& context, std::weak_ptr<ConfigSection> section);
// Finds the supported application's folder: beside the .cdb, beside the
// program, in the vendor's folder, or by asking the user. False only when
// the user cancels.
bool LocateApplication(RunContext& context, ConfigDatabase& database);

}  // namespace cvn
