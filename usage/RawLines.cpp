#include "usage/RawLines.h"

namespace cvn {

bool RawLineSplitter::Next(RawLine& line) {
  if (pos_ >= content_.size()) return false;
  const size_t newline = content_.find('\n', pos_);
  const size_t end = newline == std::string_view::npos ? content_.size() : newline + 1;
  line.bytes = content_.substr(pos_, end - pos_);
  line.text = line.bytes;
  if (!line.text.empty() && line.text.back() == '\n') line.text.remove_suffix(1);
  if (!line.text.empty() && line.text.back() == '\r') line.text.remove_suffix(1);
  pos_ = end;
  return true;
}

}  // namespace cvn
