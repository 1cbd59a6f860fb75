// Class, type library and interface identifiers: the 16-byte GUID and its
// registry text "{8-4-4-4-12}".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace cvn {

struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  std::array<uint8_t, 8> data4{};
  bool operator==(const Guid&) const = default;
  bool IsZero() const { return *this == Guid{}; }
};

// Reads "{%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}" the way scanf would: the
// fields before the first mismatch are taken, the rest stay zero. Every
// field is read into its own width, so no field spills into the next.
Guid ParseGuid(std::string_view text);

// Upper-case hexadecimal in braces, as the Registry shows it.
std::string FormatGuid(const Guid& guid);

}  // namespace cvn
