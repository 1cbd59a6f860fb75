#include "report/ReportLayout.h"

#include <vector>

#include "config/MessageText.h"
#include "config/VisibleText.h"

namespace cvn {

namespace {

constexpr int32_t kDoubleUnderline = 1;
constexpr int32_t kSingleUnderline = 2;

}  // namespace

void ReportLayout::Tabs(std::initializer_list<int32_t> positions) {
  size_t index = 0;
  for (const int32_t position : positions) writer_.SetTab(index++, position);
}

void ReportLayout::Heading(int textId) {
  Tabs({0});
  Underlined(kDoubleUnderline, textId);
}

void ReportLayout::ColumnHead(int textId, std::initializer_list<int32_t> positions) {
  Tabs(positions);
  Underlined(kSingleUnderline, textId);
}

void ReportLayout::Underlined(int32_t mode, int textId) {
  writer_.SetUnderline(mode);
  Text(textId, {}, 1);
  writer_.SetUnderline(0);
}

void ReportLayout::Line(std::string text, int32_t emptyLines) {
  writer_.line = std::move(text);
  writer_.WriteLine(emptyLines);
}

void ReportLayout::Fields(std::initializer_list<std::string_view> values, int32_t emptyLines) {
  std::string text;
  for (const std::string_view& value : values) {
    if (&value != values.begin()) text += '\t';
    text += VisibleText(value);
  }
  Line(std::move(text), emptyLines);
}

void ReportLayout::Text(int textId, std::initializer_list<std::string_view> args,
                        int32_t emptyLines) {
  std::vector<std::string> shown;
  for (const std::string_view arg : args) shown.push_back(VisibleText(arg));
  const std::vector<std::string_view> views(shown.begin(), shown.end());
  Line(FormatText(texts_.Load(textId), views), emptyLines);
}

}  // namespace cvn
