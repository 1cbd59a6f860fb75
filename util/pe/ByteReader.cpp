#include "util/pe/ByteReader.h"

#include <cstdio>

namespace cvn::pe {

std::string Hex(uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

uint16_t LoadU16(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

uint32_t LoadU32(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint32_t>(LoadU16(bytes, at)) | (static_cast<uint32_t>(LoadU16(bytes, at + 2)) << 16);
}

Result<std::span<const uint8_t>> ByteReader::Bytes(size_t offset, size_t length, std::string_view what) const {
  if (!Contains(offset, length)) {
    return Failure{std::string(what) + " at " + Hex(offset) + ": " + Hex(length) + " bytes run past the end (size " +
                   Hex(data_.size()) + ")"};
  }
  return data_.subspan(offset, length);
}

Result<uint16_t> ByteReader::U16(size_t offset, std::string_view what) const {
  const auto bytes = Bytes(offset, 2, what);
  if (!bytes) return Failure{bytes.Error()};
  return LoadU16(*bytes, 0);
}

Result<uint32_t> ByteReader::U32(size_t offset, std::string_view what) const {
  const auto bytes = Bytes(offset, 4, what);
  if (!bytes) return Failure{bytes.Error()};
  return LoadU32(*bytes, 0);
}

Result<uint64_t> ByteReader::U64(size_t offset, std::string_view what) const {
  const auto bytes = Bytes(offset, 8, what);
  if (!bytes) return Failure{bytes.Error()};
  return static_cast<uint64_t>(LoadU32(*bytes, 0)) | (static_cast<uint64_t>(LoadU32(*bytes, 4)) << 32);
}

Result<std::u16string> ByteReader::Utf16(size_t offset, size_t count, std::string_view what) const {
  if (count > data_.size() / 2) return Failure{std::string(what) + " at " + Hex(offset) + ": too long"};
  const auto bytes = Bytes(offset, count * 2, what);
  if (!bytes) return Failure{bytes.Error()};
  std::u16string text(count, u'\0');
  for (size_t i = 0; i < count; ++i) text[i] = static_cast<char16_t>(LoadU16(*bytes, i * 2));
  return text;
}

}  // namespace cvn::pe
