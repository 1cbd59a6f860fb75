// CONFIG.SYS and AUTOEXEC.BAT in the report, line by line as read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/ReportBlocks.h"

namespace cvn {

namespace {

constexpr int kConfigSysHeading = 10040;
constexpr int kAutoexecHeading = 10041;

// The lines of a file read in text mode, without their line ends.
std::vector<std::string> TextLines(const platform::Bytes& bytes) {
  std::vector<std::string> lines;
  std::string_view rest(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view text = rest.substr(0, end);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    lines.emplace_back(text);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return lines;
}

void WriteStartupFile(ReportScope& scope, const char* path, int heading) {
  const std::optional<platform::Bytes> bytes = scope.context.machine.Files().ReadFile(path);
  if (!bytes) return;
  ReportLayout& out = scope.out;
  out.Heading(heading);
  out.Tabs({6});
  for (std::string& line : TextLines(*bytes)) out.Line(std::move(line));
  out.BlankLine();
}

}  // namespace

void WriteStartupFiles(ReportScope& scope) {
  WriteStartupFile(scope, "c:\\config.sys", kConfigSysHeading);
  WriteStartupFile(scope, "c:\\autoexec.bat", kAutoexecHeading);
}

}  // namespace cvn
