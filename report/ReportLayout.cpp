#include "report/ReportLayout.h"

#include "config/MessageText.h"

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

void ReportLayout::Text(int textId, std::initializer_list<std::string_view> args,
                        int32_t emptyLines) {
  Line(LoadText(texts_, textId, args), emptyLines);
}

}  // namespace cvn
