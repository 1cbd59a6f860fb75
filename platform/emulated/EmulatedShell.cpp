#include "platform/emulated/EmulatedShell.h"

#include "platform/emulated/Collation.h"
#include "resources/IconTable.h"
#include "util/pe/ByteReader.h"
#include "util/pe/GroupIcon.h"
#include "util/pe/PeFile.h"
#include "util/pe/ResourceTable.h"

namespace cvn::emulated {

namespace {

constexpr platform::IconHandle kLoadedIconBase = 0x10000;
constexpr platform::IconHandle kExtractedIconBase = 0x20000;

// The images of icon group `index` of a PE file (groups in directory order;
// a negative index is a group id).
size_t GroupImages(const pe::PeFile& file, int index) {
  const auto table = pe::ResourceTable::Read(file);
  if (!table) return 0;
  const auto groups = table->OfType(pe::restype::kGroupIcon);
  const pe::Resource* chosen = nullptr;
  if (index >= 0 && static_cast<size_t>(index) < groups.size()) chosen = groups[static_cast<size_t>(index)];
  for (const auto* group : groups) {
    if (index < 0 && group->name.Is(static_cast<uint16_t>(-index))) chosen = group;
  }
  if (!chosen) return 0;
  const auto data = pe::ResourceData(file, *chosen);
  if (!data) return 0;
  const auto icons = pe::ParseGroupIcon(*data);
  return icons ? icons->size() : 0;
}

// An .ico file: reserved 0, type 1, then its image count.
size_t IcoImages(std::span<const uint8_t> bytes) {
  const pe::ByteReader reader(bytes);
  const auto reserved = reader.U16(0, "icon file");
  const auto type = reader.U16(2, "icon file");
  const auto count = reader.U16(4, "icon file");
  return reserved && type && count && *reserved == 0 && *type == 1 ? *count : 0;
}

}  // namespace

platform::IconHandle EmulatedShell::LoadIcon(int id) {
  return resources::HasIcon(id) ? kLoadedIconBase + static_cast<platform::IconHandle>(id) : 0;
}

platform::IconHandle EmulatedShell::ExtractIcon(const std::string& path, int index) {
  const auto bytes = files_.ReadFile(path);
  if (!bytes) return 0;
  const std::span<const uint8_t> view(bytes->data(), bytes->size());
  bool found = false;
  if (const auto file = pe::PeFile::Parse(view)) {
    found = GroupImages(*file, index) > 0;
  } else {
    found = index >= 0 && static_cast<size_t>(index) < IcoImages(view);
  }
  return found ? kExtractedIconBase + static_cast<platform::IconHandle>(index < 0 ? 0x8000 - index : index) : 0;
}

int EmulatedShell::CompareText(const std::string& a, const std::string& b) { return CompareWords(a, b); }

}  // namespace cvn::emulated

namespace cvn::emulated {

bool EmulatedShell::OpenDocument(const std::string& path) {
  opened_.push_back(path);
  return files_.GetAttributes(path) != platform::attr::kInvalid;
}

}  // namespace cvn::emulated
