#include "util/pe/ResourceTable.h"

#include <set>

namespace cvn::pe {

namespace {

constexpr uint32_t kHighBit = 0x80000000u;
constexpr size_t kDirectoryHeaderSize = 16;
constexpr size_t kDirectoryEntrySize = 8;
constexpr size_t kDataEntrySize = 16;
constexpr int kLevels = 3;  // type, name, language
constexpr size_t kMaxResources = 65536;
constexpr uint16_t kLangNeutral = 0;
constexpr uint16_t kLangEnglishUs = 0x409;

// Walks the directory tree inside the bytes of the resource section.
class Walker {
 public:
  explicit Walker(std::span<const uint8_t> bytes) : reader_(bytes) {}

  Result<bool> Directory(size_t offset, int level, Resource path) {
    if (!visited_.insert(offset).second) return Failure{"resource directory at " + Hex(offset) + ": loop"};
    const auto header = reader_.Bytes(offset, kDirectoryHeaderSize, "resource directory");
    if (!header) return Failure{header.Error()};
    const size_t count = size_t{LoadU16(*header, 12)} + LoadU16(*header, 14);
    const auto entries = reader_.Bytes(offset + kDirectoryHeaderSize, count * kDirectoryEntrySize,
                                       "entries of resource directory at " + Hex(offset));
    if (!entries) return Failure{entries.Error()};
    for (size_t i = 0; i < count; ++i) {
      const uint32_t name = LoadU32(*entries, i * kDirectoryEntrySize);
      const uint32_t target = LoadU32(*entries, i * kDirectoryEntrySize + 4);
      auto named = Name(name);
      if (!named) return Failure{named.Error()};
      if (level == 0) path.type = *named;
      if (level == 1) path.name = *named;
      if (level == 2) path.language = named->id;
      const bool isDirectory = (target & kHighBit) != 0;
      const size_t at = target & ~kHighBit;
      if (isDirectory != (level < kLevels - 1)) {
        return Failure{"resource entry at " + Hex(offset + kDirectoryHeaderSize + i * kDirectoryEntrySize) +
                       (isDirectory ? ": directory nested deeper than three levels" : ": data where a directory belongs")};
      }
      const auto walked = isDirectory ? Directory(at, level + 1, path) : Data(at, path);
      if (!walked) return walked;
    }
    return true;
  }

  std::vector<Resource> Take() { return std::move(resources_); }

 private:
  Result<ResourceName> Name(uint32_t field) const {
    ResourceName name;
    if (!(field & kHighBit)) {
      name.id = static_cast<uint16_t>(field);
      return name;
    }
    const size_t at = field & ~kHighBit;
    const auto length = reader_.U16(at, "resource name");
    if (!length) return Failure{length.Error()};
    auto text = reader_.Utf16(at + 2, *length, "resource name");
    if (!text) return Failure{text.Error()};
    name.isId = false;
    name.text = std::move(text).Value();
    return name;
  }

  Result<bool> Data(size_t offset, Resource resource) {
    const auto entry = reader_.Bytes(offset, kDataEntrySize, "resource data entry");
    if (!entry) return Failure{entry.Error()};
    if (resources_.size() >= kMaxResources) return Failure{"resource directory: more than 65536 resources"};
    resource.dataRva = LoadU32(*entry, 0);
    resource.size = LoadU32(*entry, 4);
    resource.codePage = LoadU32(*entry, 8);
    resources_.push_back(std::move(resource));
    return true;
  }

  ByteReader reader_;
  std::set<size_t> visited_;
  std::vector<Resource> resources_;
};

}  // namespace

Result<ResourceTable> ResourceTable::Read(const PeFile& pe) {
  ResourceTable table;
  const DataDirectory directory = pe.Directory(dir::kResource);
  if (directory.rva == 0 || directory.size == 0) return table;
  const auto bytes = pe.ReadRvaToSectionEnd(directory.rva, "resource directory");
  if (!bytes) return Failure{bytes.Error()};
  Walker walker(*bytes);
  if (const auto walked = walker.Directory(0, 0, Resource{}); !walked) return Failure{walked.Error()};
  table.resources_ = walker.Take();
  return table;
}

std::vector<const Resource*> ResourceTable::OfType(uint16_t type) const {
  std::vector<const Resource*> found;
  for (const auto& resource : resources_) {
    if (resource.type.Is(type)) found.push_back(&resource);
  }
  return found;
}

const Resource* ResourceTable::Find(uint16_t type, uint16_t id) const {
  const Resource* first = nullptr;
  const Resource* english = nullptr;
  for (const auto& resource : resources_) {
    if (!resource.type.Is(type) || !resource.name.Is(id)) continue;
    if (resource.language == kLangNeutral) return &resource;
    if (!english && resource.language == kLangEnglishUs) english = &resource;
    if (!first) first = &resource;
  }
  return english ? english : first;
}

Result<std::span<const uint8_t>> ResourceData(const PeFile& pe, const Resource& resource) {
  return pe.ReadRva(resource.dataRva, resource.size, "resource data");
}

}  // namespace cvn::pe
