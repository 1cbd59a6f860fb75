// The resources of a PE file: the three-level directory (type, name,
// language) walked once into a flat list, with limits on depth, loops and
// the number of entries.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "util/pe/PeFile.h"
#include "util/pe/Result.h"

namespace cvn::pe {

namespace restype {
inline constexpr uint16_t kIcon = 3;
inline constexpr uint16_t kString = 6;
inline constexpr uint16_t kGroupIcon = 14;
inline constexpr uint16_t kVersion = 16;
}  // namespace restype

// A type or name: a number, or a UTF-16 text.
struct ResourceName {
  bool isId = true;
  uint16_t id = 0;
  std::u16string text;
  bool Is(uint16_t wanted) const { return isId && id == wanted; }
};

struct Resource {
  ResourceName type;
  ResourceName name;
  uint16_t language = 0;
  uint32_t dataRva = 0;
  uint32_t size = 0;
  uint32_t codePage = 0;
};

class ResourceTable {
 public:
  // An empty table when the file has no resource directory.
  static Result<ResourceTable> Read(const PeFile& pe);

  // In directory order: named entries first, then ids ascending, as linkers
  // write them.
  const std::vector<Resource>& All() const { return resources_; }
  std::vector<const Resource*> OfType(uint16_t type) const;
  // FindResource's choice among the languages of one type and id: neutral,
  // then US English, then the first listed.
  const Resource* Find(uint16_t type, uint16_t id) const;

 private:
  std::vector<Resource> resources_;
};

// The data of a resource.
Result<std::span<const uint8_t>> ResourceData(const PeFile& pe, const Resource& resource);

}  // namespace cvn::pe
