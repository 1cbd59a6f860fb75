// The headers and sections of a PE file (MZ stub, "PE\0\0", COFF header,
// optional header of PE32 or PE32+, data directories, section table), each
// reached through one checked read.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "util/pe/ByteReader.h"
#include "util/pe/Result.h"

namespace cvn::pe {

struct CoffHeader {
  uint16_t machine = 0;
  uint16_t numberOfSections = 0;
  uint32_t timeDateStamp = 0;
  uint16_t sizeOfOptionalHeader = 0;
  uint16_t characteristics = 0;
};

struct DataDirectory {
  uint32_t rva = 0;
  uint32_t size = 0;
};

// Indexes of the data directories.
namespace dir {
inline constexpr size_t kExport = 0;
inline constexpr size_t kImport = 1;
inline constexpr size_t kResource = 2;
}  // namespace dir

struct OptionalHeader {
  uint16_t magic = 0;  // 0x10B PE32, 0x20B PE32+
  uint64_t imageBase = 0;
  uint32_t sizeOfImage = 0;
  uint32_t sizeOfHeaders = 0;
  uint16_t subsystem = 0;
  std::vector<DataDirectory> directories;
  bool Is64() const { return magic == 0x20B; }
};

struct SectionHeader {
  std::string name;
  uint32_t virtualSize = 0;
  uint32_t virtualAddress = 0;
  uint32_t sizeOfRawData = 0;
  uint32_t pointerToRawData = 0;
  uint32_t characteristics = 0;
  // The part of the section backed by file bytes: the smaller of its
  // virtual and raw sizes (the raw size when no virtual size is given).
  uint32_t MappedSize() const;
};

class PeFile {
 public:
  // Fails with what was being read and where when the file is not a
  // well-formed PE image. `file` must outlive the result.
  static Result<PeFile> Parse(std::span<const uint8_t> file);

  const ByteReader& Reader() const { return reader_; }
  uint32_t HeaderOffset() const { return headerOffset_; }
  const CoffHeader& Coff() const { return coff_; }
  const OptionalHeader& Optional() const { return optional_; }
  const std::vector<SectionHeader>& Sections() const { return sections_; }
  // An absent directory reads as zero.
  DataDirectory Directory(size_t index) const;

  // The file offset of an address, through the section that maps it.
  Result<uint32_t> RvaToOffset(uint32_t rva, std::string_view what) const;
  // `length` bytes at an address, all inside one section's file bytes.
  Result<std::span<const uint8_t>> ReadRva(uint32_t rva, uint32_t length, std::string_view what) const;
  // The file bytes from an address to the end of its section.
  Result<std::span<const uint8_t>> ReadRvaToSectionEnd(uint32_t rva, std::string_view what) const;

 private:
  PeFile() = default;
  Result<bool> ParseOptionalHeader(size_t offset);
  Result<bool> ParseSections(size_t offset);
  const SectionHeader* SectionOf(uint32_t rva) const;

  ByteReader reader_;
  uint32_t headerOffset_ = 0;
  CoffHeader coff_;
  OptionalHeader optional_;
  std::vector<SectionHeader> sections_;
};

}  // namespace cvn::pe
