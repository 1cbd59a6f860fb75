// The report's vocabulary over the column writer: tab layouts, headings,
// column heads and lines made from the string table.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/Strings.h"
#include "util/text/ColumnWriter.h"

namespace cvn {

class ReportLayout {
 public:
  ReportLayout(ColumnWriter& writer, platform::Strings& texts) : writer_(writer), texts_(texts) {}

  // Columns 0, 1, ... start at these positions.
  void Tabs(std::initializer_list<int32_t> positions);
  // The text underlined with "=" and one empty line, in one column at 0.
  void Heading(int textId);
  // The text underlined with "-" field by field, and one empty line.
  void ColumnHead(int textId, std::initializer_list<int32_t> positions);
  // A line of the report's own making, its tabs separating the columns.
  void Line(std::string text, int32_t emptyLines = 0);
  // Values, one per column: a control character inside a value is shown
  // by its name (VisibleText), so it never opens a column or ends a line.
  void Fields(std::initializer_list<std::string_view> values, int32_t emptyLines = 0);
  // The string table text `textId` filled with `args`, as one line; the
  // arguments are values, shown as Fields shows them.
  void Text(int textId, std::initializer_list<std::string_view> args = {}, int32_t emptyLines = 0);
  void BlankLine() { writer_.NewLines(0); }
  std::string Load(int textId) { return texts_.Load(textId); }

 private:
  void Underlined(int32_t mode, int textId);

  ColumnWriter& writer_;
  platform::Strings& texts_;
};

// A mark as the text argument of a "%c" conversion.
inline std::string MarkText(char mark) { return std::string(1, mark); }

}  // namespace cvn
