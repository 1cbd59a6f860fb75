// Lays out tab-separated logical lines in columns at fixed character
// positions, wrapping the last column at the line width, with an optional
// underline row under each line. A field that fills its column keeps one
// blank before the field after it; a line feed in the last column's field goes on
// with a new row at that column. The report and the usage database write
// their files through it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cvn {

// The text of a file opened in text mode: every newline the writer puts
// into it is already a carriage return and line feed.
using TextFile = std::string;

class ColumnWriter {
 public:
  // The logical line being built; WriteLine empties it.
  std::string line;

  // Lines go to `file`; with none (null) every write does nothing.
  void SetFile(TextFile* file) { file_ = file; }
  void SetMarginAndWidth(int32_t margin, int32_t width);
  // 0 no underline row, 1 a row of "=", any other value a row of "-".
  void SetUnderline(int32_t mode) { underline_ = mode; }
  // Column `index` starts at `position`. Index 0 or 1 makes that column the
  // last one; a higher index does so when it is above the current last.
  void SetTab(size_t index, int32_t position);

  // Writes the line (and its underline row), then `emptyLines` newlines,
  // then empties the line. An empty line writes only the newlines.
  void WriteLine(int32_t emptyLines);
  // Writes count + 1 newlines.
  void NewLines(int32_t count);
  void Spaces(int32_t count);

 private:
  enum class Pass { Text, Underline };

  void CorrectSettings();
  void WritePass(Pass pass);
  // Writes one column that is not the last; returns the new position.
  // `followed`: another field comes after it on the line.
  int32_t WriteInnerColumn(std::string_view field, size_t k, int32_t position, bool followed,
                           char fill);
  void WriteLastColumn(std::string_view field, size_t k, int32_t position, char fill);
  // One line of the last column's field, wrapped at the width; `room` is
  // what is left of the first row.
  void WriteWrapped(std::string_view text, size_t k, int32_t room, int32_t fullRoom, char fill);
  // The text of a field or piece, or as many `fill` characters.
  void Put(std::string_view text, char fill);
  void Newline();

  TextFile* file_ = nullptr;
  int32_t margin_ = 0;
  int32_t width_ = 80;
  int32_t indent_ = 0;
  size_t lastColumn_ = 0;
  int32_t underline_ = 0;
  std::vector<int32_t> tabs_ = std::vector<int32_t>(4, 0);
};

}  // namespace cvn
