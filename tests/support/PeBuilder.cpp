#include "tests/support/PeBuilder.h"

#include <algorithm>
#include <map>

namespace cvn::test {

namespace {

constexpr uint32_t kFileAlignment = 0x200;
constexpr uint32_t kSectionAlignment = 0x1000;
constexpr uint32_t kHeaderOffset = 0x80;
constexpr uint16_t kOptionalSize = 224;

void Align(Bytes& bytes, size_t alignment) {
  while (bytes.size() % alignment != 0) bytes.push_back(0);
}

size_t AlignUp(size_t value, size_t alignment) { return (value + alignment - 1) / alignment * alignment; }

}  // namespace

void PutU16(Bytes& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(Bytes& bytes, size_t at, uint32_t value) {
  PutU16(bytes, at, static_cast<uint16_t>(value));
  PutU16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

void AppendU16(Bytes& bytes, uint16_t value) {
  bytes.resize(bytes.size() + 2);
  PutU16(bytes, bytes.size() - 2, value);
}

void AppendU32(Bytes& bytes, uint32_t value) {
  bytes.resize(bytes.size() + 4);
  PutU32(bytes, bytes.size() - 4, value);
}

void AppendUtf16(Bytes& bytes, const std::u16string& text) {
  for (char16_t c : text) AppendU16(bytes, static_cast<uint16_t>(c));
  AppendU16(bytes, 0);
}

VersionNode VersionNode::Text(std::u16string key, const std::u16string& text) {
  VersionNode node{std::move(key), true, {}, {}};
  AppendUtf16(node.value, text);
  return node;
}

VersionNode VersionNode::Binary(std::u16string key, Bytes value) { return {std::move(key), false, std::move(value), {}}; }

Bytes VersionNode::Encode() const {
  Bytes out(6, 0);
  AppendUtf16(out, key);
  Align(out, 4);
  out.insert(out.end(), value.begin(), value.end());
  for (const auto& child : children) {
    Align(out, 4);
    const Bytes encoded = child.Encode();
    out.insert(out.end(), encoded.begin(), encoded.end());
  }
  PutU16(out, 0, static_cast<uint16_t>(out.size()));
  PutU16(out, 2, static_cast<uint16_t>(isText ? value.size() / 2 : value.size()));
  PutU16(out, 4, isText ? 1 : 0);
  return out;
}

VersionNode VersionInfoBlock(const FixedVersion& fixed, const std::u16string& table,
                             const std::vector<std::pair<std::u16string, std::u16string>>& strings,
                             uint16_t language, uint16_t codePage) {
  Bytes info;
  for (uint32_t word : {0xFEEF04BDu, 0x00010000u, fixed.fileMS, fixed.fileLS, fixed.productMS, fixed.productLS,
                        0x3Fu, 0u, 0x40004u, 2u, 0u, 0u, 0u}) {
    AppendU32(info, word);
  }
  VersionNode stringTable{table, true, {}, {}};
  for (const auto& [name, text] : strings) stringTable.children.push_back(VersionNode::Text(name, text));
  Bytes translation;
  AppendU16(translation, language);
  AppendU16(translation, codePage);
  VersionNode root = VersionNode::Binary(u"VS_VERSION_INFO", info);
  root.children.push_back(VersionNode{u"StringFileInfo", true, {}, {stringTable}});
  root.children.push_back(VersionNode{u"VarFileInfo", true, {}, {VersionNode::Binary(u"Translation", translation)}});
  return root;
}

Bytes IconGroup(uint16_t count) {
  Bytes out;
  AppendU16(out, 0);
  AppendU16(out, 1);
  AppendU16(out, count);
  for (uint16_t i = 0; i < count; ++i) {
    out.insert(out.end(), {32, 32, 0, 0});
    AppendU16(out, 1);
    AppendU16(out, 32);
    AppendU32(out, 0x10A8);
    AppendU16(out, static_cast<uint16_t>(i + 1));
  }
  return out;
}

PeBuilder& PeBuilder::Resource(ResourceInput input) {
  resources_.push_back(std::move(input));
  return *this;
}

PeBuilder& PeBuilder::Section(std::string name, Bytes data) {
  sections_.emplace_back(std::move(name), std::move(data));
  return *this;
}

// Three levels (type, id, language), each directory sorted by id, then the
// data entries, then the data.
Bytes PeBuilder::ResourceSection(uint32_t rva) {
  std::map<uint16_t, std::map<uint16_t, std::vector<const ResourceInput*>>> tree;
  for (const auto& input : resources_) tree[input.type][input.id].push_back(&input);
  auto directory = [](Bytes& out, size_t entries) {
    out.resize(out.size() + 12, 0);
    AppendU16(out, 0);
    AppendU16(out, static_cast<uint16_t>(entries));
  };
  Bytes out;
  std::vector<std::pair<size_t, const ResourceInput*>> dataEntries;  // where each leaf's entry points
  directory(out, tree.size());
  size_t typeEntries = out.size();
  out.resize(out.size() + tree.size() * 8, 0);
  for (const auto& [type, names] : tree) {
    PutU32(out, typeEntries, type);
    PutU32(out, typeEntries + 4, 0x80000000u | static_cast<uint32_t>(out.size()));
    typeEntries += 8;
    directory(out, names.size());
    size_t nameEntries = out.size();
    out.resize(out.size() + names.size() * 8, 0);
    for (const auto& [id, languages] : names) {
      PutU32(out, nameEntries, id);
      PutU32(out, nameEntries + 4, 0x80000000u | static_cast<uint32_t>(out.size()));
      nameEntries += 8;
      directory(out, languages.size());
      size_t languageEntries = out.size();
      out.resize(out.size() + languages.size() * 8, 0);
      for (const ResourceInput* input : languages) {
        PutU32(out, languageEntries, input->language);
        dataEntries.emplace_back(languageEntries + 4, input);
        languageEntries += 8;
      }
    }
  }
  std::vector<size_t> entryOffsets;
  for (const auto& [pointer, input] : dataEntries) {
    PutU32(out, pointer, static_cast<uint32_t>(out.size()));
    entryOffsets.push_back(out.size());
    out.resize(out.size() + 16, 0);
  }
  for (size_t i = 0; i < dataEntries.size(); ++i) {
    Align(out, 4);
    const ResourceInput* input = dataEntries[i].second;
    PutU32(out, entryOffsets[i], rva + static_cast<uint32_t>(out.size()));
    PutU32(out, entryOffsets[i] + 4, static_cast<uint32_t>(input->data.size()));
    out.insert(out.end(), input->data.begin(), input->data.end());
  }
  layout_.dataEntryOffsets = entryOffsets;
  return out;
}

Bytes PeBuilder::Build() {
  std::vector<std::pair<std::string, Bytes>> all = sections_;
  const uint32_t resourceRva = kSectionAlignment * static_cast<uint32_t>(all.size() + 1);
  if (!resources_.empty()) all.emplace_back(".rsrc", ResourceSection(resourceRva));

  Bytes file(kHeaderOffset, 0);
  file[0] = 'M';
  file[1] = 'Z';
  PutU32(file, 60, kHeaderOffset);
  layout_.headerOffset = kHeaderOffset;
  file.insert(file.end(), {'P', 'E', 0, 0});
  AppendU16(file, 0x14C);
  AppendU16(file, static_cast<uint16_t>(all.size()));
  AppendU32(file, 0);
  AppendU32(file, 0);
  AppendU32(file, 0);
  AppendU16(file, kOptionalSize);
  AppendU16(file, 0x2102);
  layout_.optionalOffset = file.size();
  file.resize(file.size() + kOptionalSize, 0);
  const size_t opt = layout_.optionalOffset;
  PutU16(file, opt, 0x10B);
  PutU32(file, opt + 28, 0x10000000);
  PutU32(file, opt + 32, kSectionAlignment);
  PutU32(file, opt + 36, kFileAlignment);
  PutU32(file, opt + 56, kSectionAlignment * static_cast<uint32_t>(all.size() + 1));
  PutU32(file, opt + 60, kFileAlignment);
  PutU16(file, opt + 68, 2);
  PutU32(file, opt + 92, 16);
  layout_.sectionTableOffset = file.size();
  file.resize(file.size() + all.size() * 40, 0);
  Align(file, kFileAlignment);
  for (size_t i = 0; i < all.size(); ++i) {
    const auto& [name, data] = all[i];
    const size_t header = layout_.sectionTableOffset + i * 40;
    std::copy_n(name.begin(), std::min<size_t>(name.size(), 8), file.begin() + static_cast<std::ptrdiff_t>(header));
    const uint32_t rva = kSectionAlignment * static_cast<uint32_t>(i + 1);
    PutU32(file, header + 8, static_cast<uint32_t>(data.size()));
    PutU32(file, header + 12, rva);
    PutU32(file, header + 16, static_cast<uint32_t>(AlignUp(data.size(), kFileAlignment)));
    PutU32(file, header + 20, static_cast<uint32_t>(file.size()));
    PutU32(file, header + 36, 0x40000040);
    if (name == ".rsrc") {
      layout_.resourceOffset = file.size();
      layout_.resourceRva = rva;
      PutU32(file, opt + 96 + 2 * 8, rva);
      PutU32(file, opt + 96 + 2 * 8 + 4, static_cast<uint32_t>(data.size()));
    }
    file.insert(file.end(), data.begin(), data.end());
    Align(file, kFileAlignment);
  }
  for (auto& offset : layout_.dataEntryOffsets) offset += layout_.resourceOffset;
  return file;
}

}  // namespace cvn::test
