#include "util/pe/ExecutableKind.h"

#include "util/pe/ByteReader.h"

namespace cvn::pe {

namespace {

constexpr size_t kRelocationTableOffset = 24;
constexpr size_t kLfanewOffset = 60;
// A relocation table that starts inside the old 64-byte header means the
// file has no new-style header at all.
constexpr uint16_t kNewHeaderMinimum = 64;

}  // namespace

std::optional<uint32_t> NewHeaderOffset(std::span<const uint8_t> firstBytes, ExeKind& kind) {
  kind = ExeKind::Unknown;
  const auto dos = ByteReader(firstBytes).Bytes(0, kDosHeaderSize, "MS-DOS header");
  if (!dos || (*dos)[0] != 'M' || (*dos)[1] != 'Z') return std::nullopt;
  if (LoadU16(*dos, kRelocationTableOffset) < kNewHeaderMinimum) {
    kind = ExeKind::Dos;
    return std::nullopt;
  }
  return LoadU32(*dos, kLfanewOffset);
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

}  // namespace cvn::pe
