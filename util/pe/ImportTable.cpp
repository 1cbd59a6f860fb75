#include "util/pe/ImportTable.h"

#include <algorithm>

namespace cvn::pe {

namespace {

constexpr size_t kDescriptorSize = 20;
constexpr size_t kNameRvaOffset = 12;

// The zero-terminated name at `rva`, which must end inside its section.
Result<std::string> ReadName(const PeFile& pe, uint32_t rva, const std::string& what) {
  const auto bytes = pe.ReadRvaToSectionEnd(rva, what);
  if (!bytes) return Failure{bytes.Error()};
  const auto end = std::find(bytes->begin(), bytes->end(), uint8_t{0});
  if (end == bytes->end()) return Failure{what + ": no closing zero before the end of its section"};
  return std::string(bytes->begin(), end);
}

}  // namespace

ImportList ReadImportedModules(const PeFile& pe) {
  ImportList list;
  const DataDirectory directory = pe.Directory(dir::kImport);
  if (directory.size == 0) return list;
  const auto table = pe.ReadRvaToSectionEnd(directory.rva, "import directory");
  if (!table) {
    list.error = table.Error();
    return list;
  }
  // The descriptors are bounded by the section's file bytes, whatever the
  // directory's size claims, so a missing closing descriptor still ends.
  const size_t count = table->size() / kDescriptorSize;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t nameRva = LoadU32(*table, i * kDescriptorSize + kNameRvaOffset);
    if (nameRva == 0) return list;
    auto name = ReadName(pe, nameRva, "import descriptor " + std::to_string(i) + ": name");
    if (!name) {
      list.error = name.Error();
      return list;
    }
    list.modules.push_back(std::move(name).Value());
  }
  list.error = "import directory at " + Hex(directory.rva) + ": no closing descriptor inside its section";
  return list;
}

}  // namespace cvn::pe
