// Line-oriented text files (.cdb, .fdb, .udb): splitting a file read whole
// into lines the way a text-mode read sees them, and cleaning a line of
// its blanks and comment.
#pragma once

#include <cstddef>
#include <string_view>

namespace cvn {

// Walks the lines of a file's bytes. A line ends at LF (a CR before it is
// dropped, as text mode does) or at the end of the file; a Ctrl-Z ends the
// file, and a line's text stops at a NUL byte, as the C library's text
// reading saw it.
class LineSplitter {
 public:
  explicit LineSplitter(std::string_view bytes);
  // The next line, or false at the end of the file.
  bool Next(std::string_view& line);

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

// Drops leading blanks, a ';' comment outside double quotes with the rest
// of the line, then trailing blanks.
std::string_view CleanLine(std::string_view line);

// The name in a header line: one '[' and the blanks around it skipped, then
// everything up to the first ']' (blanks before it are kept).
std::string_view HeaderName(std::string_view line);

}  // namespace cvn
