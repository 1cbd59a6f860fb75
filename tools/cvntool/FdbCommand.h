// cvntool fdb --cdb FILE.cdb DIR: writes the file information database
// beside the .cdb for the files it lists, as found in the release folder.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "config/FileInfoEntry.h"

#include "config/RunContext.h"
#include "tools/cvntool/Options.h"

namespace cvn::tool {

// The entry of `name` in `folder`, or nothing when the file is not there.
std::optional<FileInfoEntry> ShippedFile(platform::FileSystem& files, const std::string& folder,
                                         const std::string& name);

// The comment line an .fdb written for `cdbPath` begins with; each entry
// follows as FormatFileInfoLine writes it, ended by CR LF.
std::string FileInfoHeader(const std::string& cdbPath);

// 0 when the .fdb was written (files missing from DIR are named on
// `errors`); 1 when the database cannot be loaded or the file written;
// 2 for a usage error.
int RunFdb(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors);

}  // namespace cvn::tool
