#include "bench/GeneratedFiles.h"

#include <cstdio>

#include "checks/FileCheck.h"
#include "checks/FolderListings.h"
#include "util/pe/ResourceTable.h"

namespace cvn::bench {

std::string DllName(size_t i) {
  char name[32];
  std::snprintf(name, sizeof name, "F%zu.DLL", i);
  return name;
}

test::Bytes VersionedDll() {
  const auto block =
      test::VersionInfoBlock({0x00040000, 0x03B60000, 0, 0}, u"040904E4", {{u"CompanyName", u"Bench Vendor"}, {u"FileVersion", u"4.0.950.0"}}, 0x409, 1252);
  auto file = test::PeBuilder().Resource({pe::restype::kVersion, 1, 0x409, block.Encode()}).Build();
  test::PutU16(file, 24, 64);
  return file;
}

double CheckSection(RunContext& context, ConfigDatabase& database, SectionId id) {
  const ConfigSection* section = database.GetSection(id);
  const auto start = Clock::now();
  // As a check page or the report checks a section: with shared listings.
  const SharedFolderListings listings(context);
  size_t fine = 0;
  for (const auto& entry : section->Items()) {
    auto& item = static_cast<FileItem&>(*entry);
    FileCheckOutputs outputs;
    CheckFile(context, item, database.FindFileInfo(item.Name()), outputs, true);
    if (outputs.result == 0) ++fine;
  }
  const double seconds = SecondsSince(start);
  if (fine != section->Count()) std::printf("  %zu of %zu files had a finding\n", section->Count() - fine, section->Count());
  return seconds;
}

}  // namespace cvn::bench
