// The kind of executable a file's first bytes announce: a plain MS-DOS
// program, or the new-style header ("NE", "LE", "XE", "PE\0\0") that the
// MS-DOS stub points at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace cvn::pe {

enum class ExeKind : int {
  Unknown = 0,
  Dos = 1,
  Ne = 2,
  Le = 3,
  Xe = 4,
  Pe = 5,
};

// Size of the MS-DOS header, and of the new-style header's signature.
inline constexpr size_t kDosHeaderSize = 64;
inline constexpr size_t kSignatureSize = 4;

// Unknown unless the file holds at least an MS-DOS header with "MZ".
ExeKind ClassifyExecutable(std::span<const uint8_t> file);

// The two reads of ClassifyExecutable, for a caller that reads only the
// header of a file. First the file's first bytes: the offset of the
// new-style header to look at, or none with the final kind in `kind`.
std::optional<uint32_t> NewHeaderOffset(std::span<const uint8_t> firstBytes, ExeKind& kind);
// Then the bytes at that offset (Unknown when fewer than four).
ExeKind KindOfSignature(std::span<const uint8_t> signature);

// Bitness of a kind: 16 for Dos, Ne and Le, 32 for Pe, 0 otherwise.
int KindBits(ExeKind kind);

}  // namespace cvn::pe
