// What the file checks read from an executable: its version text, its
// kind and the modules it needs, directly and indirectly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Machine.h"
#include "platform/Types.h"
#include "util/pe/ExecutableKind.h"

namespace cvn {

// The version text of a file's version resource: the fixed file version,
// else the fixed product version, else the FileVersion string of the first
// translation. 0, or platform::kEFail when there is no usable resource.
platform::HResult ReadFileVersion(platform::Machine& machine, const std::string& path, std::string& version);

// A string of the version resource's first translation ("CompanyName",
// "ProductName"); nothing when the file has no such string.
std::optional<std::string> ReadVersionString(platform::Machine& machine, const std::string& path,
                                             const std::string& name);

// The kind of the file at `path`; Unknown when it cannot be read.
pe::ExeKind ExecutableKind(platform::Machine& machine, const std::string& path);

// The modules a file's bytes import by name; nothing when they are not a
// readable PE image.
std::optional<std::vector<std::string>> ImportedModuleNames(const platform::Bytes& bytes);

// The bitness code of a kind (bitness::k16, k32 or kUnknown).
int BitnessOfKind(pe::ExeKind kind);

struct MissingImport {
  std::string name;
  int depth = 0;
};

struct ModuleDependency {
  std::string fileName;
  std::string path;
  int depth = 0;  // 0 for the file asked about
  std::vector<MissingImport> missing;
};

namespace depstatus {
inline constexpr int kRead = 0;
inline constexpr int kCannotOpen = 1;
inline constexpr int kNotPe = 2;
inline constexpr int kOutOfMemory = 3;
}  // namespace depstatus

struct ModuleDependencies {
  int status = depstatus::kRead;
  // Every module once, in reverse order of discovery.
  std::vector<ModuleDependency> modules;
};

// Walks the imports from `path`, looking each module up with the system
// search path from the file's own folder. A module already listed is not
// visited again, so a cycle of imports ends.
ModuleDependencies ListModuleDependencies(platform::Machine& machine, const std::string& path);

// The same walk from several files at once, each module visited once over
// all of them: the status is that of the first file.
ModuleDependencies ListModuleDependencies(platform::Machine& machine, const std::vector<std::string>& paths);

}  // namespace cvn
