// libFuzzer target for the PE readers of the file checks: the version text,
// the executable kind and the import walk of arbitrary bytes must end with
// a status, never read outside the file. The bytes are written into one
// machine image as a file that also imports itself when it names "F.DLL".
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "checks/PeModules.h"
#include "platform/emulated/ImageBuilder.h"
#include "util/pe/ExecutableKind.h"
#include "util/pe/ImportTable.h"
#include "util/pe/PeFile.h"

namespace {

constexpr char kPath[] = "C:\\APP\\F.DLL";

cvn::emulated::EmulatedMachine& Machine() {
  static cvn::emulated::ImageBuilder image;
  static std::unique_ptr<cvn::emulated::EmulatedMachine> machine = image.Dir("C:\\APP").Open();
  return *machine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  (void)cvn::pe::ClassifyExecutable(bytes);
  if (const auto pe = cvn::pe::PeFile::Parse(bytes)) (void)cvn::pe::ReadImportedModules(*pe);

  auto& machine = Machine();
  if (!machine.Files().WriteFile(kPath, cvn::platform::Bytes(bytes.begin(), bytes.end()))) return 0;
  std::string version;
  (void)cvn::ReadFileVersion(machine, kPath, version);
  (void)cvn::ExecutableKind(machine, kPath);
  (void)cvn::ListModuleDependencies(machine, kPath);
  return 0;
}
