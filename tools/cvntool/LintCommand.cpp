#include "tools/cvntool/LintCommand.h"

#include <optional>
#include <string>

#include "checks/FileInfo.h"
#include "config/ConfigDatabase.h"
#include "lint/Lint.h"
#include "util/text/WindowsPath.h"

namespace cvn::tool {

namespace {

void Print(std::ostream& out, const std::string& path, const LintFinding& finding) {
  out << path;
  if (finding.line != 0) out << ':' << finding.line;
  out << (finding.severity == LintSeverity::Error ? ": error: " : ": warning: ") << finding.text << '\n';
}

}  // namespace

int RunLint(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return 2;
  }
  const std::string& path = options.operands[0];
  const auto bytes = context.machine.Files().ReadFile(path);
  if (!bytes) {
    errors << "cvntool: cannot read " << path << '\n';
    return 1;
  }
  // The .fdb beside the .cdb, when there is one, held as the checks hold it.
  ConfigDatabase fileInfoHolder;
  std::optional<LintFileInfo> fileInfo;
  const std::string fdbPath = FileInfoPath(path);
  if (!fdbPath.empty() && LoadFileInfo(context.machine, fileInfoHolder, fdbPath) == platform::kSOk) {
    fileInfo = LintFileInfo{FileNameOf(fdbPath), [&fileInfoHolder](std::string_view name) {
                              return fileInfoHolder.FindFileInfo(name) != nullptr;
                            }};
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  int errorCount = 0;
  int warningCount = 0;
  for (const LintFinding& finding : LintDatabase(text, fileInfo ? &*fileInfo : nullptr)) {
    Print(out, path, finding);
    ++(finding.severity == LintSeverity::Error ? errorCount : warningCount);
  }
  out << errorCount << " errors, " << warningCount << " warnings\n";
  return errorCount > 0 ? 1 : 0;
}

}  // namespace cvn::tool
