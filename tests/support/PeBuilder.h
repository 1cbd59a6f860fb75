// Builds small PE32 files in memory for the reader's tests: headers, a
// section table, a resource section with version and icon-group resources,
// and the VS_VERSIONINFO blocks they hold. Layout() tells where each part
// landed so that a test can break exactly one of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cvn::test {

using Bytes = std::vector<uint8_t>;

void PutU16(Bytes& bytes, size_t at, uint16_t value);
void PutU32(Bytes& bytes, size_t at, uint32_t value);
void AppendU16(Bytes& bytes, uint16_t value);
void AppendU32(Bytes& bytes, uint32_t value);
void AppendUtf16(Bytes& bytes, const std::u16string& text);  // with its closing zero

// One node of a version block.
struct VersionNode {
  std::u16string key;
  bool isText = false;
  Bytes value;  // raw bytes; a text value is UTF-16 with its zero
  std::vector<VersionNode> children;

  static VersionNode Text(std::u16string key, const std::u16string& text);
  static VersionNode Binary(std::u16string key, Bytes value);
  Bytes Encode() const;
};

struct FixedVersion {
  uint32_t fileMS = 0, fileLS = 0, productMS = 0, productLS = 0;
};

// VS_VERSIONINFO with the fixed info, one string table and its translation.
VersionNode VersionInfoBlock(const FixedVersion& fixed, const std::u16string& table,
                             const std::vector<std::pair<std::u16string, std::u16string>>& strings,
                             uint16_t language, uint16_t codePage);

// GRPICONDIR with `count` 32x32 entries.
Bytes IconGroup(uint16_t count);

struct ResourceInput {
  uint16_t type = 0;
  uint16_t id = 0;
  uint16_t language = 0x409;
  Bytes data;
};

struct PeLayout {
  size_t headerOffset = 0;        // e_lfanew
  size_t optionalOffset = 0;      // the optional header
  size_t sectionTableOffset = 0;  // the first section header
  size_t resourceOffset = 0;      // file offset of the resource section
  uint32_t resourceRva = 0;
  std::vector<size_t> dataEntryOffsets;  // file offsets of the data entries, by type and id
};

class PeBuilder {
 public:
  PeBuilder& Resource(ResourceInput input);
  // A plain section besides the resource section.
  PeBuilder& Section(std::string name, Bytes data);
  Bytes Build();
  const PeLayout& Layout() const { return layout_; }

 private:
  Bytes ResourceSection(uint32_t rva);
  std::vector<ResourceInput> resources_;
  std::vector<std::pair<std::string, Bytes>> sections_;
  PeLayout layout_;
};

}  // namespace cvn::test
