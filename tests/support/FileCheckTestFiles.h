// Executable files for the file check tests, built in code: PE32 modules
// with or without a version resource and with imports, and the headers of
// 16-bit and other old-style executables.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/PeBuilder.h"
#include "util/pe/ResourceTable.h"

namespace cvn::test {

// Linkers put the relocation table right after the 64-byte MS-DOS header;
// without that word a file reads as a plain MS-DOS program.
inline Bytes Linked(Bytes file) {
  PutU16(file, 24, 64);
  return file;
}

// A PE32 module whose fixed file version is `ms`.`ls` (both 0: none given,
// so the FileVersion string "fallback" decides).
inline Bytes VersionedDll(uint32_t ms, uint32_t ls, const std::u16string& fileVersion = u"") {
  const auto block = VersionInfoBlock({ms, ls, 0, 0}, u"040904E4", {{u"FileVersion", fileVersion}}, 0x409, 1252);
  return Linked(
      PeBuilder().Section(".text", Bytes(64, 0xC3)).Resource({pe::restype::kVersion, 1, 0x409, block.Encode()}).Build());
}

inline Bytes PlainDll() { return Linked(PeBuilder().Section(".text", Bytes(64, 0xC3)).Build()); }

// PlainDll with another COFF machine and optional-header magic, the two
// fields its bitness is read from (0x8664 and 0x20B: a module for the x64).
inline Bytes DllFor(uint16_t machine, uint16_t magic) {
  Bytes file = PlainDll();
  const uint32_t signature = static_cast<uint32_t>(file[60] | file[61] << 8 | file[62] << 16 | file[63] << 24);
  PutU16(file, signature + 4, machine);
  PutU16(file, signature + 24, magic);
  return file;
}
inline Bytes X64Dll() { return DllFor(0x8664, 0x20B); }

// An MS-DOS header whose e_lfanew points at `signature` right after it.
inline Bytes OldStyleExecutable(const std::string& signature) {
  Bytes bytes(128, 0);
  bytes[0] = 'M';
  bytes[1] = 'Z';
  PutU16(bytes, 24, 64);
  PutU32(bytes, 60, 64);
  for (size_t i = 0; i < signature.size(); ++i) bytes[64 + i] = static_cast<uint8_t>(signature[i]);
  return bytes;
}

// A PE32 module whose import directory names `modules`. The import section
// is the first section, so it lands at address 0x1000.
inline Bytes ImportingDll(const std::vector<std::string>& modules) {
  constexpr uint32_t kRva = 0x1000;
  Bytes section((modules.size() + 1) * 20, 0);
  for (size_t i = 0; i < modules.size(); ++i) {
    PutU32(section, i * 20 + 12, kRva + static_cast<uint32_t>(section.size()));
    section.insert(section.end(), modules[i].begin(), modules[i].end());
    section.push_back(0);
  }
  PeBuilder builder;
  builder.Section(".idata", section);
  Bytes file = builder.Build();
  PutU32(file, builder.Layout().optionalOffset + 96 + 8, kRva);
  PutU32(file, builder.Layout().optionalOffset + 96 + 12, static_cast<uint32_t>((modules.size() + 1) * 20));
  return Linked(file);
}

}  // namespace cvn::test
