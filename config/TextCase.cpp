#include "config/TextCase.h"

namespace cvn {

namespace {

// Windows-1252 pairs outside the two contiguous letter ranges.
constexpr struct {
  unsigned char upper;
  unsigned char lower;
} kOddPairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

bool IsUpperRange(unsigned char u) {
  return (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7);
}

bool IsLowerRange(unsigned char u) {
  return (u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7);
}

}  // namespace

char ToLowerChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (IsUpperRange(u)) return static_cast<char>(u + 0x20);
  for (const auto& pair : kOddPairs) {
    if (u == pair.upper) return static_cast<char>(pair.lower);
  }
  return c;
}

char ToUpperChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (IsLowerRange(u)) return static_cast<char>(u - 0x20);
  for (const auto& pair : kOddPairs) {
    if (u == pair.lower) return static_cast<char>(pair.upper);
  }
  return c;
}

std::string ToLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = ToLowerChar(c);
  return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (ToLowerChar(a[i]) != ToLowerChar(b[i])) return false;
  }
  return true;
}

}  // namespace cvn
