// CONFIG.SYS and AUTOEXEC.BAT in the report, line by line as read.
#include <optional>
#include <string>
#include <string_view>

#include "config/TextLines.h"
#include "report/ReportBlocks.h"

namespace cvn {

namespace {

constexpr int kConfigSysHeading = 10040;
constexpr int kAutoexecHeading = 10041;

void WriteStartupFile(ReportScope& scope, const char* path, int heading) {
  const std::optional<platform::Bytes> bytes = scope.context.machine.Files().ReadFile(path);
  if (!bytes) return;
  ReportLayout& out = scope.out;
  out.Heading(heading);
  out.Tabs({6});
  // As a text-mode read sees the file: a Ctrl-Z ends it and a NUL its line.
  LineSplitter lines(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  // The file's lines are its one column: text after a tab is not written.
  for (std::string_view line; lines.Next(line);) out.Fields({line.substr(0, line.find('\t'))});
  out.BlankLine();
}

}  // namespace

void WriteStartupFiles(ReportScope& scope) {
  WriteStartupFile(scope, "c:\\config.sys", kConfigSysHeading);
  WriteStartupFile(scope, "c:\\autoexec.bat", kAutoexecHeading);
}

}  // namespace cvn
