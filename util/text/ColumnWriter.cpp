#include "util/text/ColumnWriter.h"

#include <algorithm>

namespace cvn {

namespace {

// The line is never less than this wide beyond the left margin.
constexpr int32_t kMinimumWidth = 40;

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int32_t Length(std::string_view text) { return static_cast<int32_t>(text.size()); }

// Where the piece of `rest` that goes on this row ends: before the last
// white space at offsets `room` down to 1, else a hard cut at `room`.
size_t BreakOffset(std::string_view rest, int32_t room) {
  for (size_t i = static_cast<size_t>(room); i >= 1; --i) {
    if (IsWhiteSpace(rest[i])) return i;
  }
  return static_cast<size_t>(room);
}

}  // namespace

void ColumnWriter::SetMarginAndWidth(int32_t margin, int32_t width) {
  margin_ = margin;
  width_ = width;
}

void ColumnWriter::SetTab(size_t index, int32_t position) {
  if (index >= tabs_.size()) tabs_.resize(index + 1, 0);
  tabs_[index] = position;
  if (index <= 1 || index > lastColumn_) lastColumn_ = index;
}

void ColumnWriter::WriteLine(int32_t emptyLines) {
  if (file_ == nullptr) return;
  CorrectSettings();
  if (!line.empty()) {
    WritePass(Pass::Text);
    if (underline_ != 0) WritePass(Pass::Underline);
  }
  for (int32_t i = 0; i < emptyLines; ++i) Newline();
  line.clear();
}

void ColumnWriter::NewLines(int32_t count) {
  if (file_ == nullptr) return;
  for (int32_t i = 0; i <= count; ++i) Newline();
}

void ColumnWriter::Spaces(int32_t count) {
  if (file_ == nullptr || count <= 0) return;
  file_->append(static_cast<size_t>(count), ' ');
}

// In 64 bits: a width read as INT32_MIN must not overflow the subtraction.
void ColumnWriter::CorrectSettings() {
  const int64_t width = width_;
  if (margin_ < 0 || margin_ > width - kMinimumWidth) margin_ = 0;
  if (width < int64_t{margin_} + kMinimumWidth) width_ = margin_ + kMinimumWidth;
  if (indent_ < 0 || indent_ > int64_t{width_} - kMinimumWidth) indent_ = 0;
}

void ColumnWriter::WritePass(Pass pass) {
  const char fill = pass == Pass::Text ? '\0' : underline_ == 1 ? '=' : '-';
  Spaces(tabs_[0] + margin_ + indent_);
  int32_t position = tabs_[0] + indent_;
  std::string_view rest = line;
  for (size_t k = 0; k <= lastColumn_; ++k) {
    const size_t tab = rest.find('\t');
    const std::string_view field = rest.substr(0, tab);
    if (k == lastColumn_) {
      WriteLastColumn(field, k, position, fill);
    } else {
      position = WriteInnerColumn(field, k, position, tab != std::string_view::npos, fill);
    }
    if (tab == std::string_view::npos) break;
    rest.remove_prefix(tab + 1);
  }
  Newline();
}

int32_t ColumnWriter::WriteInnerColumn(std::string_view field, size_t k, int32_t position,
                                       bool followed, char fill) {
  int32_t room = tabs_[k + 1] - tabs_[k];
  if (k > 0 && position > tabs_[k]) room -= position - tabs_[k];
  // A field that fills its room keeps one blank before the next field.
  const int32_t blanks = std::max(followed && !field.empty() ? 1 : 0, room - Length(field));
  Put(field, fill);
  Spaces(blanks);
  return position + Length(field) + blanks;
}

void ColumnWriter::WriteLastColumn(std::string_view field, size_t k, int32_t position,
                                   char fill) {
  const int32_t fullRoom = width_ - tabs_[k];
  int32_t room = fullRoom;
  if (k > 0 && position > tabs_[k]) room -= position - tabs_[k];
  size_t end = field.find('\n');
  WriteWrapped(field.substr(0, end), k, room, fullRoom, fill);
  // Each further line of the field starts a row of its own at the tab stop.
  while (end != std::string_view::npos) {
    field.remove_prefix(end + 1);
    end = field.find('\n');
    const std::string_view text = field.substr(0, end);
    Newline();
    if (text.empty()) continue;
    Spaces(tabs_[k]);
    WriteWrapped(text, k, fullRoom, fullRoom, fill);
  }
}

void ColumnWriter::WriteWrapped(std::string_view text, size_t k, int32_t room, int32_t fullRoom,
                                char fill) {
  if (fullRoom < 2) {
    if (room > 0) Put(text.substr(0, static_cast<size_t>(room)), fill);
    return;
  }
  if (room <= 0) {
    Newline();
    Spaces(tabs_[k]);
    room = fullRoom;
  }
  std::string_view rest = text;
  while (Length(rest) > room) {
    const size_t piece = BreakOffset(rest, room);
    Put(rest.substr(0, piece), fill);
    rest.remove_prefix(piece);
    while (!rest.empty() && IsWhiteSpace(rest.front())) rest.remove_prefix(1);
    Newline();
    Spaces(tabs_[k]);
    room = fullRoom;
  }
  Put(rest, fill);
}

void ColumnWriter::Put(std::string_view text, char fill) {
  if (fill == '\0') {
    file_->append(text);
  } else {
    file_->append(text.size(), fill);
  }
}

void ColumnWriter::Newline() { file_->append("\r\n"); }

}  // namespace cvn
