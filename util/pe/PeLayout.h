// Places and values of the PE format that more than one reader needs.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cvn::pe::layout {

// Where the MS-DOS header keeps the offset of the new header.
inline constexpr size_t kLfanewOffset = 60;
// The optional header's magic: a 32-bit or a 64-bit image.
inline constexpr uint16_t kMagicPe32 = 0x10B;
inline constexpr uint16_t kMagicPe32Plus = 0x20B;

}  // namespace cvn::pe::layout
