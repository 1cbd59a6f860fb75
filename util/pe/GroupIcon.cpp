#include "util/pe/GroupIcon.h"

#include "util/pe/ByteReader.h"

namespace cvn::pe {

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kIconEntrySize = 14;

}  // namespace

Result<std::vector<GroupIconEntry>> ParseGroupIcon(std::span<const uint8_t> data) {
  const ByteReader reader(data);
  const auto header = reader.Bytes(0, kHeaderSize, "icon group header");
  if (!header) return Failure{header.Error()};
  if (LoadU16(*header, 0) != 0 || LoadU16(*header, 2) != 1) return Failure{"icon group header at 0x0: not an icon group"};
  const size_t count = LoadU16(*header, 4);
  const auto entries = reader.Bytes(kHeaderSize, count * kIconEntrySize, "icon group entries");
  if (!entries) return Failure{entries.Error()};
  std::vector<GroupIconEntry> icons;
  for (size_t i = 0; i < count; ++i) {
    const auto e = entries->subspan(i * kIconEntrySize, kIconEntrySize);
    icons.push_back({e[0], e[1], e[2], LoadU16(e, 4), LoadU16(e, 6), LoadU32(e, 8), LoadU16(e, 12)});
  }
  return icons;
}

}  // namespace cvn::pe
