// The files of a harvest: the programs, DLLs, controls and drivers of the
// application folder and its subfolders, the program that stands for the
// application, and the files of the program's company outside the folder
// that the application imports or keeps in the System folder.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "config/RunContext.h"
#include "tools/cvntool/HarvestModel.h"

namespace cvn::tool {

// The file section a file belongs to by its extension; nothing for a file
// that no file section lists.
std::optional<SectionId> FileSectionOf(const std::string& name);

// Every file of a file section in `harvest.appFolder` and below, in folder
// order. False, with `error` set, when the folder cannot be listed.
bool CollectApplicationFiles(platform::FileSystem& files, Harvest& harvest, std::string& error);

// App Info from the program: `program` (or the one program directly in the
// folder) gives AppFileName, AppName, AppWin32 and the company; a DLL of
// the folder found nowhere else on the search path is the signature file.
// False, with `error` set, when there is no single program to take.
bool DescribeApplication(platform::Machine& machine, const std::optional<std::string>& program, Harvest& harvest,
                         std::string& error);

// Adds the files outside the application folder that belong to it: those
// its modules import and those of the System folder, each when its version
// resource names the program's company.
void CollectCompanyFiles(platform::Machine& machine, Harvest& harvest);

// The numbers a version text begins with, as the version list of a file
// entry reads them ("2.50.0.17 beta" gives 2.50.0.17); empty when it
// begins with none, so that the file is known by its size and date.
std::string VersionNumbers(const std::string& version);

// The version of every file, as the file check reads it.
void ReadVersions(platform::Machine& machine, Harvest& harvest);

}  // namespace cvn::tool
