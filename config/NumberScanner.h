// Reads numbers from text the way the C library's scanf conversions do
// ("%d", "%4d", "%lx"), without its undefined behaviour: widths are kept,
// results saturate instead of overflowing, and nothing reads past the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace cvn {

class NumberScanner {
 public:
  static constexpr size_t kNoWidth = static_cast<size_t>(-1);

  explicit NumberScanner(std::string_view text) : text_(text) {}

  // "%d" with an optional width: white space, a sign, decimal digits.
  // Nothing when no digit is there.
  std::optional<int64_t> Decimal(size_t width = kNoWidth);
  // "%x" with an optional width: white space, a sign, "0x", hex digits.
  std::optional<uint64_t> Hex(size_t width = kNoWidth);
  // A blank in a scanf format: any run of white space, also none.
  void SkipWhiteSpace();
  // A literal character of a format; false (and no move) on a mismatch.
  bool Literal(char c);

 private:
  struct Digits {
    bool negative = false;
    uint64_t magnitude = 0;  // saturates instead of wrapping
  };
  // White space, a sign, then digits of `base` within `width` characters.
  std::optional<Digits> Scan(size_t width, uint32_t base);

  char Peek(size_t ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
  }

  std::string_view text_;
  size_t pos_ = 0;
};

int32_t ClampToInt32(int64_t value);

// "%d" of the start of `text`, 0 when it does not start with a number,
// clamped to the 32-bit range.
int32_t ScanInt32(std::string_view text);

}  // namespace cvn
