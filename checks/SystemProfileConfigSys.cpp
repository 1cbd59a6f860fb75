#include "checks/SystemProfileConfigSys.h"

#include <cctype>
#include <string>

#include "config/NumberScanner.h"
#include "config/RunContext.h"
#include "config/TextCase.h"
#include "config/TextLines.h"

namespace cvn {

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// The pattern " = %d": blanks, an equals sign, blanks, a decimal number.
void ReadAssignedNumber(std::string_view rest, int32_t& count) {
  NumberScanner scanner(rest);
  scanner.SkipWhiteSpace();
  if (!scanner.Literal('=')) return;
  if (const auto number = scanner.Decimal()) count = ClampToInt32(*number);
}

void ReadOnce(RunContext& context) {
  if (context.configFiles != -1 || context.configBuffers != -1) return;
  if (const auto bytes = context.machine.Files().ReadFile("c:\\config.sys")) {
    const std::string text(bytes->begin(), bytes->end());
    ReadConfigSysCounts(text, context.configFiles, context.configBuffers);
  }
  if (context.configFiles == -1) context.configFiles = context.isNt ? 8 : 60;
  if (context.configBuffers == -1) context.configBuffers = context.isNt ? 0 : 20;
}

}  // namespace

void ReadConfigSysCounts(std::string_view text, int32_t& files, int32_t& buffers) {
  LineSplitter lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    line = SkipBlanks(line);
    if (StartsWithNoCase(line, "rem")) continue;
    if (StartsWithNoCase(line, "files")) {
      ReadAssignedNumber(line.substr(5), files);
    } else if (StartsWithNoCase(line, "buffers")) {
      ReadAssignedNumber(line.substr(7), buffers);
    }
  }
}

int32_t ConfigFiles(RunContext& context) {
  ReadOnce(context);
  return context.configFiles;
}

int32_t ConfigBuffers(RunContext& context) {
  ReadOnce(context);
  return context.configBuffers;
}

}  // namespace cvn
