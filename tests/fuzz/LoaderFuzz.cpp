// Feeds arbitrary bytes to the .cdb loader, as the database file of an
// emulated machine. The loader must neither crash nor read past an entry,
// whatever the file holds.
//
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address -I. -Ibuild/<b>/resources \
//     tests/fuzz/LoaderFuzz.cpp config/*.cpp platform/emulated/*.cpp util/pe/*.cpp \
//     build/<b>/resources/StringTable.cpp -o /tmp/loaderfuzz
#include <cstddef>
#include <cstdint>
#include <memory>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/emulated/ImageBuilder.h"

namespace {

constexpr const char* kDatabasePath = "C:\\APP\\Fuzz.cdb";

// An application to be located, and a Registry value and an INI key for
// the indirections of Directory Info to read.
cvn::emulated::ImageBuilder& Image() {
  static cvn::emulated::ImageBuilder image;
  static const bool arranged = [] {
    image.File("C:\\APP\\APP.EXE", "MZ")
        .File("C:\\WINDOWS\\app.ini", "[dirs]\nq=C:\\Q\n")
        .Registry("HKEY_LOCAL_MACHINE\\Software\\App", "Dir", "C:\\R");
    return true;
  }();
  (void)arranged;
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A fresh machine per input: it records every prompt, and what one input
  // leaves behind must not count as a leak of the next.
  const std::unique_ptr<cvn::emulated::EmulatedMachine> machine = Image().Open();
  if (machine == nullptr) return 0;
  if (!machine->Files().WriteFile(kDatabasePath, cvn::platform::Bytes(data, data + size))) return 0;
  cvn::RunContext context(*machine);
  cvn::ConfigDatabase database;
  database.Load(context, kDatabasePath);
  return 0;
}
