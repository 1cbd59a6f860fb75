#include "platform/emulated/Text.h"

#include <algorithm>
#include <type_traits>

#include "util/pe/AnsiText.h"

namespace cvn::emulated {

namespace {

// Windows-1252 letters outside ASCII whose cases differ by more than 0x20.
constexpr unsigned char kUpperPairs[][2] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};

template <class Char>
int CompareUpper(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  using Unit = std::make_unsigned_t<Char>;
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<Unit>(UpperChar(a[i]));
    const auto cb = static_cast<Unit>(UpperChar(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

template <class Char>
std::basic_string_view<Char> TrimBlanks(std::basic_string_view<Char> text) {
  while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsIniSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

char UpperChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
  for (const auto& pair : kUpperPairs) {
    if (u == pair[0]) return static_cast<char>(pair[1]);
  }
  return c;
}

char16_t UpperChar(char16_t c) {
  const auto ansi = pe::ToAnsiChar(c);
  return ansi ? pe::FromAnsiChar(UpperChar(*ansi)) : c;
}

char LowerChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 0x20);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 0x20);
  for (const auto& pair : kUpperPairs) {
    if (u == pair[1]) return static_cast<char>(pair[0]);
  }
  return c;
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperChar(c);
  return out;
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerChar(c);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareUpper(a, b) == 0;
}

int CompareNoCase(std::string_view a, std::string_view b) { return CompareUpper(a, b); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool IsIniSpace(char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' '; }

bool IsIniSpace(char16_t c) { return c < 0x80 && IsIniSpace(static_cast<char>(c)); }

std::string_view TrimIni(std::string_view text) { return TrimBlanks(text); }

std::u16string_view TrimIni(std::u16string_view text) { return TrimBlanks(text); }

std::optional<uint64_t> ParseUnsigned(std::string_view text) {
  text = TrimIni(text);
  unsigned base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    if (value > (UINT64_MAX - digit) / base) return std::nullopt;
    value = value * base + digit;
  }
  return value;
}

std::optional<int64_t> ParseSigned(std::string_view text) {
  text = TrimIni(text);
  const bool negative = !text.empty() && text[0] == '-';
  if (negative || (!text.empty() && text[0] == '+')) text.remove_prefix(1);
  const auto magnitude = ParseUnsigned(text);
  if (!magnitude || *magnitude > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
  const auto value = static_cast<int64_t>(*magnitude);
  return negative ? -value : value;
}

std::optional<bool> ParseFlag(std::string_view text) {
  text = TrimIni(text);
  if (EqualsNoCase(text, "yes") || EqualsNoCase(text, "true") || text == "1") return true;
  if (EqualsNoCase(text, "no") || EqualsNoCase(text, "false") || text == "0") return false;
  return std::nullopt;
}

std::string HexByte(uint8_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  return {kDigits[value >> 4], kDigits[value & 0xF]};
}

}  // namespace cvn::emulated
