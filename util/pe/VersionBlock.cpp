#include "util/pe/VersionBlock.h"

#include "util/pe/AnsiText.h"

namespace cvn::pe {

namespace {

constexpr size_t kNodeHeaderSize = 6;
constexpr size_t kFixedInfoSize = 52;

size_t AlignFrom(size_t base, size_t at) { return base + ((at - base + 3) & ~size_t{3}); }

char16_t Fold(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ? c - 0x20 : c; }

bool EqualsFolded(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

}  // namespace

Result<VersionBlock> VersionBlock::Parse(std::span<const uint8_t> block) {
  VersionBlock version;
  version.reader_ = ByteReader(block);
  // A 16-bit block has its key where a 32-bit one has its type word.
  const auto type = version.reader_.U16(4, "version block");
  if (!type) return Failure{type.Error()};
  if (*type > 1) return Failure{"version block at 0x0: not the 32-bit form (type " + Hex(*type) + ")"};
  auto root = version.ReadNode(0, block.size());
  if (!root) return Failure{root.Error()};
  version.root_ = std::move(root).Value();
  return version;
}

Result<VersionBlock::Node> VersionBlock::ReadNode(size_t offset, size_t limit) const {
  const auto header = reader_.Bytes(offset, kNodeHeaderSize, "version node");
  if (!header) return Failure{header.Error()};
  Node node;
  node.offset = offset;
  const uint16_t length = LoadU16(*header, 0);
  node.valueLength = LoadU16(*header, 2);
  node.isText = LoadU16(*header, 4) != 0;
  if (length < kNodeHeaderSize) {
    return Failure{"version node at " + Hex(offset) + ": length " + Hex(length) + " shorter than its header"};
  }
  node.end = offset + length;
  if (node.end > limit) {
    return Failure{"version node at " + Hex(offset) + ": length " + Hex(length) + " runs past its block (ends " +
                   Hex(limit) + ")"};
  }
  size_t at = offset + kNodeHeaderSize;
  for (;; at += 2) {
    if (at + 2 > node.end) return Failure{"version node at " + Hex(offset) + ": key without its closing zero"};
    const char16_t c = static_cast<char16_t>(LoadU16(reader_.Data(), at));
    if (c == 0) break;
    node.key += c;
  }
  node.valueOffset = AlignFrom(offset, at + 2);
  const size_t valueBytes = size_t{node.valueLength} * (node.isText ? 2 : 1);
  // Wine treats a value that starts past the node as empty.
  if (node.valueOffset < node.end) {
    if (valueBytes > node.end - node.valueOffset) {
      return Failure{"version node at " + Hex(offset) + ": value of " + Hex(valueBytes) +
                     " bytes runs past the end of its block"};
    }
    node.valueBytes = valueBytes;
  }
  node.childrenOffset = AlignFrom(offset, node.valueOffset + valueBytes);
  return node;
}

Result<std::optional<VersionBlock::Node>> VersionBlock::FindChild(const Node& parent, std::u16string_view key) const {
  size_t at = parent.childrenOffset;
  // Each child moves on by at least eight bytes, so the walk ends.
  while (at < parent.end && parent.end - at >= kNodeHeaderSize) {
    if (LoadU16(reader_.Data(), at) == 0) break;
    auto child = ReadNode(at, parent.end);
    if (!child) return Failure{child.Error()};
    if (EqualsFolded(child->key, key)) return std::optional<Node>(std::move(child).Value());
    at = AlignFrom(at, child->end);
  }
  return std::optional<Node>();
}

Result<VersionValue> VersionBlock::Query(std::string_view subBlock) const {
  Node node = root_;
  size_t start = 0;
  while (start < subBlock.size()) {
    size_t end = subBlock.find('\\', start);
    if (end == std::string_view::npos) end = subBlock.size();
    if (end > start) {
      const std::u16string name = FromAnsi(subBlock.substr(start, end - start));
      auto child = FindChild(node, name);
      if (!child) return Failure{child.Error()};
      if (!child->has_value()) return Failure{"version block: no \"" + std::string(subBlock) + "\""};
      node = std::move(**child);
    }
    start = end + 1;
  }
  VersionValue value;
  value.bytes = reader_.Data().subspan(node.valueOffset < node.end ? node.valueOffset : node.end, node.valueBytes);
  value.valueLength = node.valueLength;
  value.isText = node.isText;
  return value;
}

std::optional<std::array<uint32_t, 13>> VersionBlock::FixedInfo() const {
  const auto value = Query("\\");
  if (!value || value->bytes.size() < kFixedInfoSize) return std::nullopt;
  std::array<uint32_t, 13> words{};
  for (size_t i = 0; i < words.size(); ++i) words[i] = LoadU32(value->bytes, i * 4);
  return words;
}

std::vector<VersionTranslation> VersionBlock::Translations() const {
  std::vector<VersionTranslation> translations;
  const auto value = Query("\\VarFileInfo\\Translation");
  if (!value) return translations;
  for (size_t at = 0; at + 4 <= value->bytes.size(); at += 4) {
    translations.push_back({LoadU16(value->bytes, at), LoadU16(value->bytes, at + 2)});
  }
  return translations;
}

std::optional<std::u16string> VersionBlock::Text(std::string_view subBlock) const {
  const auto value = Query(subBlock);
  if (!value) return std::nullopt;
  std::u16string text;
  if (value->isText) {
    for (size_t at = 0; at + 2 <= value->bytes.size(); at += 2) {
      const auto c = static_cast<char16_t>(LoadU16(value->bytes, at));
      if (c == 0) break;
      text += c;
    }
  } else {
    for (uint8_t byte : value->bytes) {
      if (byte == 0) break;
      text += static_cast<char16_t>(byte);
    }
  }
  return text;
}

}  // namespace cvn::pe
