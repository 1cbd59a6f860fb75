// CONFIG.SYS and AUTOEXEC.BAT in the report, line by line as read.
#include <optional>
#include <string>
#include <string_view>

#include "config/TextLines.h"
#include "report/ReportBlocks.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

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
  WriteStartupFile(scope, "c:\\config.sys", IDS_HEADING_CONFIG_SYS);
  WriteStartupFile(scope, "c:\\autoexec.bat", IDS_HEADING_AUTOEXEC_BAT);
}

}  // namespace cvn
