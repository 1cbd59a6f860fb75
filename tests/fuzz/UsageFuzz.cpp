// Feeds arbitrary bytes to the usage database readers, as the .udb beside
// a loaded database: the refresh and the recent-changes list must neither
// crash nor read past a line, whatever the file holds.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/emulated/ImageBuilder.h"
#include "usage/RecentChanges.h"
#include "usage/UsageDatabase.h"

namespace {

constexpr const char* kDatabasePath = "C:\\APP\\Fuzz.cdb";
constexpr const char* kUsagePath = "C:\\APP\\Fuzz.udb";

// An application with a file of each kind and a tracked INI and Registry
// value, so that entries of every section find their items.
cvn::emulated::ImageBuilder& Image() {
  static cvn::emulated::ImageBuilder image;
  static const bool arranged = [] {
    image.File("C:\\APP\\APP.EXE", "MZ")
        .File("C:\\APP\\A.DLL", "dll")
        .File("C:\\APP\\APP.INI", "[O]\r\nK=1\r\n")
        .Registry("HKEY_CURRENT_USER\\Software\\App", "V", "x")
        .File(kDatabasePath,
              "[App Info]\nAppName=Fuzz\nAppFileName=APP.EXE\n[Directory Info]\nQ=C:\\Q\n"
              "[Program Info]\nAPP.EXE, 1, 1, Y, Y\n[DLL Info]\nA.DLL, Q, 1, N, N, 1.0, -0.5\n"
              "[INI Info]\napp\\O\\K=\n[0, 1], Y, Y\n"
              "[Registry Info]\nHKEY_CURRENT_USER\\Software\\App\\V=\nx, N, Y\n[End]\n");
    return true;
  }();
  (void)arranged;
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::unique_ptr<cvn::emulated::EmulatedMachine> machine = Image().Open();
  if (machine == nullptr) return 0;
  cvn::RunContext context(*machine);
  cvn::ConfigDatabase database;
  if (database.Load(context, kDatabasePath) != cvn::platform::kSOk) return 0;
  const cvn::platform::Bytes bytes(data, data + size);
  if (!machine->Files().WriteFile(kUsagePath, bytes)) return 0;
  cvn::RecentChanges changes;
  static_cast<void>(cvn::CollectRecentChanges(context, database, {true, "", cvn::ScanExtent::AllRows}, changes));
  // With and without the database's own location codes.
  static_cast<void>(cvn::RefreshUsageDatabase(context, kUsagePath, nullptr));
  static_cast<void>(cvn::RefreshUsageDatabase(context, kUsagePath, &database));
  static_cast<void>(
      cvn::CollectRecentChanges(context, database, {false, "199701010000", cvn::ScanExtent::AllRows}, changes));
  return 0;
}
