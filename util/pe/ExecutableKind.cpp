#include "util/pe/ExecutableKind.h"

#include "util/pe/ByteReader.h"
#include "util/pe/PeLayout.h"

namespace cvn::pe {

namespace {

constexpr size_t kRelocationTableOffset = 24;
// A relocation table that starts inside the old 64-byte header means the
// file has no new-style header at all.
constexpr uint16_t kNewHeaderMinimum = 64;

constexpr size_t kMachineOffset = 4;
constexpr size_t kMagicOffset = 4 + 20;
constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMachineAmd64 = 0x8664;

}  // namespace

std::optional<uint32_t> NewHeaderOffset(std::span<const uint8_t> firstBytes, ExeKind& kind) {
  kind = ExeKind::Unknown;
  const auto dos = ByteReader(firstBytes).Bytes(0, kDosHeaderSize, "MS-DOS header");
  if (!dos || (*dos)[0] != 'M' || (*dos)[1] != 'Z') return std::nullopt;
  if (LoadU16(*dos, kRelocationTableOffset) < kNewHeaderMinimum) {
    kind = ExeKind::Dos;
    return std::nullopt;
  }
  return LoadU32(*dos, layout::kLfanewOffset);
}

ExeKind KindOfSignature(std::span<const uint8_t> s) {
  if (s.size() < kSignatureSize) return ExeKind::Unknown;
  if (s[0] == 'N' && s[1] == 'E') return ExeKind::Ne;
  if (s[0] == 'L' && s[1] == 'E') return ExeKind::Le;
  if (s[0] == 'X' && s[1] == 'E') return ExeKind::Xe;
  if (s[0] == 'P' && s[1] == 'E' && s[2] == 0 && s[3] == 0) return ExeKind::Pe;
  return ExeKind::Unknown;
}

ExeKind ClassifyExecutable(std::span<const uint8_t> file) {
  ExeKind kind = ExeKind::Unknown;
  const std::optional<uint32_t> offset = NewHeaderOffset(file, kind);
  if (!offset) return kind;
  const auto signature = ByteReader(file).Bytes(*offset, kSignatureSize, "new-style header signature");
  return signature ? KindOfSignature(*signature) : ExeKind::Unknown;
}

int KindBits(ExeKind kind) {
  switch (kind) {
    case ExeKind::Dos:
    case ExeKind::Ne:
    case ExeKind::Le:
      return 16;
    case ExeKind::Pe:
      return 32;
    default:
      return 0;
  }
}

ImageHeader ReadImageHeader(const PartReader& read) {
  constexpr size_t kFirstRead = 1024;
  ImageHeader header;
  const auto first = read(0, kFirstRead);
  if (!first) return header;
  const std::optional<uint32_t> offset = NewHeaderOffset(*first, header.kind);
  if (!offset) {
    header.bits = KindBits(header.kind);
    return header;
  }
  std::vector<uint8_t> bytes;
  if (*offset < first->size() && first->size() - *offset >= kPeBitsHeaderSize) {
    bytes.assign(first->begin() + *offset, first->begin() + *offset + kPeBitsHeaderSize);
  } else if (*offset < first->size() && first->size() < kFirstRead) {  // the file ends inside the header
    bytes.assign(first->begin() + *offset, first->end());
  } else if (first->size() == kFirstRead) {
    bytes = read(*offset, kPeBitsHeaderSize).value_or(std::vector<uint8_t>{});
  }
  header.kind = KindOfSignature(bytes);
  header.bits = header.kind == ExeKind::Pe ? PeImageBits(bytes) : KindBits(header.kind);
  return header;
}

int PeImageBits(std::span<const uint8_t> fromSignature) {
  const auto header = ByteReader(fromSignature).Bytes(0, kPeBitsHeaderSize, "PE headers");
  if (!header || KindOfSignature(*header) != ExeKind::Pe) return 0;
  const uint16_t machine = LoadU16(*header, kMachineOffset);
  const uint16_t magic = LoadU16(*header, kMagicOffset);
  if (machine == kMachineI386 && magic == layout::kMagicPe32) return 32;
  if (machine == kMachineAmd64 && magic == layout::kMagicPe32Plus) return 64;
  return 0;
}

}  // namespace cvn::pe
