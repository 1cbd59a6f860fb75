// Feeds arbitrary bytes to the .cdb loader, as the database file of an
// emulated machine, and to lint. The loader must neither crash nor read
// past an entry, whatever the file holds; lint must not crash either, and
// every line it names must be a line of the file.
//
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address -I. -Ibuild/<b>/resources \
//     tests/fuzz/LoaderFuzz.cpp config/*.cpp platform/emulated/*.cpp util/pe/*.cpp \
//     build/<b>/resources/StringTable.cpp -o /tmp/loaderfuzz
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "config/ConfigDatabase.h"
#include "lint/Lint.h"
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

// Lines of the file as a reader counts them: every line feed ends one, and
// text after the last line feed is one more.
size_t LineCount(std::string_view text) {
  size_t lines = 0;
  for (const char c : text) lines += c == '\n' ? 1 : 0;
  return lines + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

void LintWithinTheFile(std::string_view text) {
  const size_t lines = LineCount(text);
  // An .fdb that lists the files of even-length names, so that both
  // answers occur.
  const cvn::LintFileInfo fileInfo{"Fuzz.fdb", [](std::string_view name) { return name.size() % 2 == 0; }};
  for (const cvn::LintFinding& finding : cvn::LintDatabase(text, &fileInfo)) {
    if (finding.line > lines) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LintWithinTheFile(std::string_view(reinterpret_cast<const char*>(data), size));
  // A fresh machine per input: it records every prompt, and what one input
  // leaves behind must not count as a leak of the next.
  const std::unique_ptr<cvn::emulated::EmulatedMachine> machine = Image().Open();
  if (machine == nullptr) return 0;
  if (!machine->Files().WriteFile(kDatabasePath, cvn::platform::Bytes(data, data + size))) return 0;
  cvn::RunContext context(*machine);
  cvn::ConfigDatabase database;
  static_cast<void>(database.Load(context, kDatabasePath));
  return 0;
}
