// Checked reads from a span of bytes: each read tests that the whole range
// lies inside the span before any byte of it is touched, and says what it
// was reading when it does not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "util/pe/Result.h"

namespace cvn::pe {

class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t Size() const { return data_.size(); }
  std::span<const uint8_t> Data() const { return data_; }
  bool Contains(size_t offset, size_t length) const { return offset <= data_.size() && length <= data_.size() - offset; }

  Result<std::span<const uint8_t>> Bytes(size_t offset, size_t length, std::string_view what) const;
  Result<uint16_t> U16(size_t offset, std::string_view what) const;
  Result<uint32_t> U32(size_t offset, std::string_view what) const;
  Result<uint64_t> U64(size_t offset, std::string_view what) const;
  // `count` little-endian UTF-16 code units.
  Result<std::u16string> Utf16(size_t offset, size_t count, std::string_view what) const;

 private:
  std::span<const uint8_t> data_;
};

// "0x1A2B".
std::string Hex(uint64_t value);

// Little-endian words of a span the caller has already checked.
uint16_t LoadU16(std::span<const uint8_t> bytes, size_t at);
uint32_t LoadU32(std::span<const uint8_t> bytes, size_t at);

}  // namespace cvn::pe
