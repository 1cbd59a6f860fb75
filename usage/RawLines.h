// The lines of a file exactly as they are stored, so that a file can be
// copied line by line without changing a byte.
#pragma once

#include <cstddef>
#include <string_view>

namespace cvn {

struct RawLine {
  std::string_view text;   // without its line end (LF, or CR LF)
  std::string_view bytes;  // the whole line with its line end, as stored
};

class RawLineSplitter {
 public:
  explicit RawLineSplitter(std::string_view content) : content_(content) {}
  // The next line, or false at the end of the content.
  bool Next(RawLine& line);
  // Everything after the lines given so far.
  std::string_view Rest() const { return content_.substr(pos_); }

 private:
  std::string_view content_;
  size_t pos_ = 0;
};

}  // namespace cvn
