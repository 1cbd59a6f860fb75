// The kind of executable a file's first bytes announce: a plain MS-DOS
// program, or the new-style header ("NE", "LE", "XE", "PE\0\0") that the
// MS-DOS stub points at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

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

// The bytes from the "PE\0\0" signature on that decide a PE image's
// bitness: the signature, the COFF header and the optional header's magic.
inline constexpr size_t kPeBitsHeaderSize = 4 + 20 + 2;

// The bitness of a PE image from the bytes at its signature: 32 for a PE32
// image for the x86, 64 for a PE32+ image for the x64, 0 for anything else
// (too short, another signature, magic or machine), so that a damaged
// header is never taken for one or the other.
int PeImageBits(std::span<const uint8_t> fromSignature);

// Up to `length` bytes of a file from `offset` on (fewer at its end), or
// nothing when it cannot be read.
using PartReader = std::function<std::optional<std::vector<uint8_t>>(uint64_t offset, size_t length)>;

struct ImageHeader {
  ExeKind kind = ExeKind::Unknown;
  int bits = 0;  // KindBits, and for a PE image PeImageBits
};

// The kind and bitness of a file read through `read`: its first kilobyte,
// which holds the MS-DOS header and, in files that linkers write, the
// new-style header it points at; that header is read by itself when it lies
// further on. A large file therefore costs one or two small reads.
ImageHeader ReadImageHeader(const PartReader& read);

}  // namespace cvn::pe
