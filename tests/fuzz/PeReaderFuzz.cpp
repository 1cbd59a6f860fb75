// libFuzzer target for the PE reader: headers, sections, the resource
// directory, version blocks and icon groups of arbitrary bytes must fail
// cleanly, never read outside the input.
#include <cstddef>
#include <cstdint>
#include <span>

#include "util/pe/AnsiText.h"
#include "util/pe/GroupIcon.h"
#include "util/pe/PeFile.h"
#include "util/pe/ResourceTable.h"
#include "util/pe/VersionBlock.h"

namespace {

void QueryVersion(std::span<const uint8_t> bytes) {
  const auto block = cvn::pe::VersionBlock::Parse(bytes);
  if (!block) return;
  (void)block->FixedInfo();
  (void)block->Translations();
  for (const char* path : {"\\StringFileInfo\\040904E4\\FileVersion", "\\StringFileInfo\\040904B0\\ProductVersion"}) {
    if (const auto text = block->Text(path)) (void)cvn::pe::ToAnsi(*text);
  }
}

void ReadResources(const cvn::pe::PeFile& pe) {
  const auto table = cvn::pe::ResourceTable::Read(pe);
  if (!table) return;
  for (const auto& resource : table->All()) {
    const auto data = cvn::pe::ResourceData(pe, resource);
    if (!data) continue;
    if (resource.type.Is(cvn::pe::restype::kVersion)) QueryVersion(*data);
    if (resource.type.Is(cvn::pe::restype::kGroupIcon)) (void)cvn::pe::ParseGroupIcon(*data);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  // The same bytes also as a bare version block and icon group.
  QueryVersion(bytes);
  (void)cvn::pe::ParseGroupIcon(bytes);
  const auto pe = cvn::pe::PeFile::Parse(bytes);
  if (pe) ReadResources(*pe);
  return 0;
}
