// A VS_VERSIONINFO block of a 32-bit file, queried as VerQueryValue does:
// each node is a length, a value length, a type, a UTF-16 key, a value and
// children, all aligned to four bytes from the node's start.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "util/pe/ByteReader.h"
#include "util/pe/Result.h"

namespace cvn::pe {

struct VersionValue {
  std::span<const uint8_t> bytes;  // empty when the node stores no value
  uint16_t valueLength = 0;        // as stored: characters for text, bytes otherwise
  bool isText = false;
};

struct VersionTranslation {
  uint16_t language = 0;
  uint16_t codePage = 0;
};

class VersionBlock {
 public:
  // Checks the root node. The block may be longer than the root says (the
  // buffer of GetFileVersionInfo is); `block` must outlive the result.
  static Result<VersionBlock> Parse(std::span<const uint8_t> block);

  // The value at a path such as "\StringFileInfo\040904E4\FileVersion":
  // names separated by backslashes, empty names skipped, each matched
  // without regard to case; "\" is the root.
  Result<VersionValue> Query(std::string_view subBlock) const;

  // The thirteen words of VS_FIXEDFILEINFO; nothing when the root's value
  // is shorter.
  std::optional<std::array<uint32_t, 13>> FixedInfo() const;
  std::vector<VersionTranslation> Translations() const;
  // A text value up to its first zero.
  std::optional<std::u16string> Text(std::string_view subBlock) const;

 private:
  struct Node {
    size_t offset = 0;
    size_t end = 0;  // offset + wLength
    uint16_t valueLength = 0;
    bool isText = false;
    std::u16string key;
    size_t valueOffset = 0;
    size_t valueBytes = 0;  // 0 when the value lies past the node
    size_t childrenOffset = 0;
  };
  Result<Node> ReadNode(size_t offset, size_t limit) const;
  Result<std::optional<Node>> FindChild(const Node& parent, std::u16string_view key) const;

  ByteReader reader_;
  Node root_;
};

}  // namespace cvn::pe
