#include "config/NumberScanner.h"

#include <limits>

#include "config/EntryReader.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

constexpr uint64_t kSaturated = std::numeric_limits<uint64_t>::max() / 16;

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) {
  return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

void NumberScanner::SkipWhiteSpace() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

bool NumberScanner::Literal(char c) {
  if (Peek() != c || pos_ >= text_.size()) return false;
  ++pos_;
  return true;
}

std::optional<NumberScanner::Digits> NumberScanner::Scan(size_t width, uint32_t base) {
  SkipWhiteSpace();
  size_t used = 0;
  Digits digits;
  if ((Peek() == '+' || Peek() == '-') && used < width) {
    digits.negative = Peek() == '-';
    ++used;
  }
  const auto isDigit = base == 16 ? IsHexDigit : IsDecimalDigit;
  // "%x" accepts a 0x prefix when a digit follows it.
  if (base == 16 && used + 2 < width && Peek(used) == '0' &&
      (Peek(used + 1) == 'x' || Peek(used + 1) == 'X') && isDigit(Peek(used + 2))) {
    used += 2;
  }
  const size_t first = used;
  while (used < width && isDigit(Peek(used))) {
    if (digits.magnitude < kSaturated) digits.magnitude = digits.magnitude * base + DigitValue(Peek(used));
    ++used;
  }
  if (used == first) return std::nullopt;
  pos_ += used;
  return digits;
}

std::optional<int64_t> NumberScanner::Decimal(size_t width) {
  const std::optional<Digits> digits = Scan(width, 10);
  if (!digits) return std::nullopt;
  constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  const auto magnitude = static_cast<int64_t>(digits->magnitude < kMax ? digits->magnitude : kMax);
  return digits->negative ? -magnitude : magnitude;
}

std::optional<uint64_t> NumberScanner::Hex(size_t width) {
  const std::optional<Digits> digits = Scan(width, 16);
  if (!digits) return std::nullopt;
  return digits->negative ? 0 - digits->magnitude : digits->magnitude;
}

int32_t ScanInt32(std::string_view text) {
  return ClampToInt32(NumberScanner(text).Decimal().value_or(0));
}

int32_t ClampToInt32(int64_t value) {
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value < kMin ? kMin : (value > kMax ? kMax : value));
}

}  // namespace cvn
