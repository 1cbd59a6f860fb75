// The kind of executable a file's first bytes announce: a plain MS-DOS
// program, or the new-style header ("NE", "LE", "XE", "PE\0\0") that the
// MS-DOS stub points at.
#pragma once

#include <cstdint>
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

// Unknown unless the file holds at least an MS-DOS header with "MZ".
ExeKind ClassifyExecutable(std::span<const uint8_t> file);

// Bitness of a kind: 16 for Dos, Ne and Le, 32 for Pe, 0 otherwise.
int KindBits(ExeKind kind);

}  // namespace cvn::pe
