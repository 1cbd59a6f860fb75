#include "config/VisibleText.h"

#include <array>

namespace cvn {

namespace {

constexpr std::array<const char*, 32> kControlNames = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

constexpr unsigned char kDelete = 0x7F;

bool IsControl(unsigned char byte) { return byte < kControlNames.size() || byte == kDelete; }

void AppendVisible(std::string& out, char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (!IsControl(byte)) {
    out += c;
    return;
  }
  out += '<';
  out += byte == kDelete ? "DEL" : kControlNames[byte];
  out += '>';
}

}  // namespace

std::string VisibleText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendVisible(out, c);
  return out;
}

std::string VisibleLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      out += '\n';
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      AppendVisible(out, c);
    }
  }
  return out;
}

}  // namespace cvn
