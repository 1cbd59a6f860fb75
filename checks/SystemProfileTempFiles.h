// The temporary files of Windows, Netscape and Internet Explorer: how much
// room they take, and deleting them to free disk space.
#pragma once

#include <cstdint>
#include <string>

namespace cvn {

struct RunContext;

enum class TempFolder { Windows, Netscape, InternetExplorer };

// The folder of that kind of temporary files; empty when the machine does
// not name one.
std::string TempFolderPath(RunContext& context, TempFolder which);

// The bytes taken by the entries directly in the folder (subfolders are not
// entered); 0 when the folder is unknown.
int64_t TemporarySpaceUsed(RunContext& context, TempFolder which);

// Deletes the files directly in the folder and returns the bytes freed.
// Files in use and files that cannot be deleted stay, without a message; a
// folder that is a drive root, the Windows, System or application folder,
// or holds one of them, is never emptied.
uint64_t DeleteTemporaryFiles(RunContext& context, TempFolder which);

}  // namespace cvn
