#include "config/Guid.h"

#include <cstdio>

#include "config/NumberScanner.h"

namespace cvn {

namespace {

// One "%Nx" of the pattern into `field`; false on a mismatch.
template <class T>
bool ScanHexField(NumberScanner& scanner, size_t width, T& field) {
  const std::optional<uint64_t> value = scanner.Hex(width);
  if (!value) return false;
  field = static_cast<T>(*value);
  return true;
}

}  // namespace

Guid ParseGuid(std::string_view text) {
  Guid guid;
  NumberScanner scanner(text);
  if (!scanner.Literal('{') || !ScanHexField(scanner, 8, guid.data1) || !scanner.Literal('-') ||
      !ScanHexField(scanner, 4, guid.data2) || !scanner.Literal('-') ||
      !ScanHexField(scanner, 4, guid.data3) || !scanner.Literal('-')) {
    return guid;
  }
  for (size_t i = 0; i < guid.data4.size(); ++i) {
    if (i == 2 && !scanner.Literal('-')) return guid;
    if (!ScanHexField(scanner, 2, guid.data4[i])) return guid;
  }
  return guid;
}

std::string FormatGuid(const Guid& g) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.data1), static_cast<unsigned>(g.data2),
                static_cast<unsigned>(g.data3), g.data4[0], g.data4[1], g.data4[2], g.data4[3],
                g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
  return buffer;
}

}  // namespace cvn
