#include "util/pe/AnsiText.h"

namespace cvn::pe {

namespace {

// Windows-1252 bytes 0x80-0x9F; 0 where the code page has no character.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

std::optional<char> ToAnsiChar(char16_t c) {
  const bool highControl = c >= 0x80 && c < 0xA0;
  if (c <= 0xFF && !(highControl && kHighControls[c - 0x80] != 0)) return static_cast<char>(c);
  for (unsigned i = 0; i < 32; ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

char16_t FromAnsiChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  const char16_t mapped = byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
  return mapped != 0 ? mapped : static_cast<char16_t>(byte);
}

std::string ToAnsi(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) out += ToAnsiChar(c).value_or('?');
  return out;
}

std::u16string FromAnsi(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) out += FromAnsiChar(c);
  return out;
}

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace cvn::pe
