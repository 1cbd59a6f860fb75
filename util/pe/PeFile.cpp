#include "util/pe/PeFile.h"

#include <algorithm>

#include "util/pe/ExecutableKind.h"
#include "util/pe/PeLayout.h"

namespace cvn::pe {

namespace {

constexpr size_t kCoffSize = 20;
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kMaxDirectories = 16;

// Where the optional header's fixed fields end and its data directories begin.
constexpr size_t kPe32DirectoriesAt = 96;
constexpr size_t kPe32PlusDirectoriesAt = 112;

template <typename T>
Failure Forward(const Result<T>& result) {
  return Failure{result.Error()};
}

}  // namespace

uint32_t SectionHeader::MappedSize() const {
  return virtualSize == 0 ? sizeOfRawData : std::min(virtualSize, sizeOfRawData);
}

Result<PeFile> PeFile::Parse(std::span<const uint8_t> file) {
  PeFile pe;
  pe.reader_ = ByteReader(file);
  const auto dos = pe.reader_.Bytes(0, kDosHeaderSize, "MS-DOS header");
  if (!dos) return Forward(dos);
  if ((*dos)[0] != 'M' || (*dos)[1] != 'Z') return Failure{"MS-DOS header at 0x0: no \"MZ\" signature"};
  pe.headerOffset_ = LoadU32(*dos, layout::kLfanewOffset);
  const auto signature = pe.reader_.Bytes(pe.headerOffset_, 4, "PE signature (e_lfanew)");
  if (!signature) return Forward(signature);
  if (!std::equal(signature->begin(), signature->end(), "PE\0\0")) {
    return Failure{"PE signature at " + Hex(pe.headerOffset_) + ": not \"PE\\0\\0\""};
  }
  const size_t coffAt = pe.headerOffset_ + size_t{4};
  const auto coff = pe.reader_.Bytes(coffAt, kCoffSize, "COFF header");
  if (!coff) return Forward(coff);
  pe.coff_.machine = LoadU16(*coff, 0);
  pe.coff_.numberOfSections = LoadU16(*coff, 2);
  pe.coff_.timeDateStamp = LoadU32(*coff, 4);
  pe.coff_.sizeOfOptionalHeader = LoadU16(*coff, 16);
  pe.coff_.characteristics = LoadU16(*coff, 18);
  const size_t optionalAt = coffAt + kCoffSize;
  if (const auto parsed = pe.ParseOptionalHeader(optionalAt); !parsed) return Forward(parsed);
  if (const auto parsed = pe.ParseSections(optionalAt + pe.coff_.sizeOfOptionalHeader); !parsed) {
    return Forward(parsed);
  }
  return pe;
}

Result<bool> PeFile::ParseOptionalHeader(size_t offset) {
  const auto header = reader_.Bytes(offset, coff_.sizeOfOptionalHeader, "optional header");
  if (!header) return Forward(header);
  if (header->size() < 2) return Failure{"optional header at " + Hex(offset) + ": too short for its magic"};
  optional_.magic = LoadU16(*header, 0);
  if (optional_.magic != layout::kMagicPe32 && optional_.magic != layout::kMagicPe32Plus) {
    return Failure{"optional header at " + Hex(offset) + ": unknown magic " + Hex(optional_.magic)};
  }
  const size_t directoriesAt = optional_.Is64() ? kPe32PlusDirectoriesAt : kPe32DirectoriesAt;
  if (header->size() < directoriesAt) {
    return Failure{"optional header at " + Hex(offset) + ": " + Hex(header->size()) + " bytes, fewer than its " +
                   Hex(directoriesAt) + " fixed bytes"};
  }
  optional_.imageBase = optional_.Is64() ? (static_cast<uint64_t>(LoadU32(*header, 28)) << 32) | LoadU32(*header, 24)
                                         : LoadU32(*header, 28);
  optional_.sizeOfImage = LoadU32(*header, 56);
  optional_.sizeOfHeaders = LoadU32(*header, 60);
  optional_.subsystem = LoadU16(*header, 68);
  const uint32_t count = LoadU32(*header, directoriesAt - 4);
  const size_t used = std::min<size_t>(count, kMaxDirectories);
  if (used * 8 > header->size() - directoriesAt) {
    return Failure{"data directories at " + Hex(offset + directoriesAt) + ": " + std::to_string(count) +
                   " entries do not fit the optional header"};
  }
  for (size_t i = 0; i < used; ++i) {
    optional_.directories.push_back({LoadU32(*header, directoriesAt + i * 8), LoadU32(*header, directoriesAt + i * 8 + 4)});
  }
  return true;
}

Result<bool> PeFile::ParseSections(size_t offset) {
  const auto table = reader_.Bytes(offset, size_t{coff_.numberOfSections} * kSectionHeaderSize, "section table");
  if (!table) return Forward(table);
  for (size_t i = 0; i < coff_.numberOfSections; ++i) {
    const auto entry = table->subspan(i * kSectionHeaderSize, kSectionHeaderSize);
    SectionHeader section;
    const auto nameEnd = std::find(entry.begin(), entry.begin() + 8, uint8_t{0});
    section.name.assign(entry.begin(), nameEnd);
    section.virtualSize = LoadU32(entry, 8);
    section.virtualAddress = LoadU32(entry, 12);
    section.sizeOfRawData = LoadU32(entry, 16);
    section.pointerToRawData = LoadU32(entry, 20);
    section.characteristics = LoadU32(entry, 36);
    if (section.sizeOfRawData != 0 && !reader_.Contains(section.pointerToRawData, section.sizeOfRawData)) {
      return Failure{"section " + std::to_string(i) + " (" + section.name + "): raw data " +
                     Hex(section.pointerToRawData) + " + " + Hex(section.sizeOfRawData) + " runs past the end of the file"};
    }
    sections_.push_back(section);
  }
  return true;
}

DataDirectory PeFile::Directory(size_t index) const {
  return index < optional_.directories.size() ? optional_.directories[index] : DataDirectory{};
}

const SectionHeader* PeFile::SectionOf(uint32_t rva) const {
  for (const auto& section : sections_) {
    if (rva >= section.virtualAddress && rva - section.virtualAddress < section.MappedSize()) return &section;
  }
  return nullptr;
}

Result<uint32_t> PeFile::RvaToOffset(uint32_t rva, std::string_view what) const {
  if (const SectionHeader* section = SectionOf(rva)) return section->pointerToRawData + (rva - section->virtualAddress);
  return Failure{std::string(what) + ": address " + Hex(rva) + " outside every section"};
}

Result<std::span<const uint8_t>> PeFile::ReadRvaToSectionEnd(uint32_t rva, std::string_view what) const {
  const SectionHeader* section = SectionOf(rva);
  if (!section) return Failure{std::string(what) + ": address " + Hex(rva) + " outside every section"};
  const uint32_t into = rva - section->virtualAddress;
  return reader_.Bytes(section->pointerToRawData + size_t{into}, section->MappedSize() - into, what);
}

Result<std::span<const uint8_t>> PeFile::ReadRva(uint32_t rva, uint32_t length, std::string_view what) const {
  const auto rest = ReadRvaToSectionEnd(rva, what);
  if (!rest) return rest;
  if (length > rest->size()) {
    return Failure{std::string(what) + ": " + Hex(length) + " bytes at address " + Hex(rva) +
                   " run past the end of their section"};
  }
  return rest->subspan(0, length);
}

}  // namespace cvn::pe
