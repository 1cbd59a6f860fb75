// Writes the report for generated databases of 1,000 and 10,000 DLL items
// and prints the time per item; the time per item should not grow with
// the number of items.
#include <chrono>
#include <cstdio>
#include <string>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/emulated/ImageBuilder.h"
#include "report/Report.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Database(size_t items) {
  std::string cdb = "[App Info]\nAppName=Bench\n[DLL Info]\n";
  for (size_t i = 0; i < items; ++i) cdb += "F" + std::to_string(i) + ".DLL, 1.0, 1, Y, N\n";
  return cdb;
}

bool Measure(size_t items) {
  cvn::emulated::ImageBuilder image;
  image.File("C:\\CORVANE\\BENCH.CDB", Database(items));
  auto machine = image.Open();
  if (machine == nullptr) {
    std::printf("image: %s\n", image.Error().c_str());
    return false;
  }
  cvn::RunContext context(*machine);
  cvn::ConfigDatabase database;
  if (database.Load(context, "C:\\CORVANE\\BENCH.CDB") != cvn::platform::kSOk) return false;
  std::string path;
  const auto start = Clock::now();
  const cvn::platform::HResult result = cvn::WriteReport(context, database, {}, {}, path, cvn::CompletionMessage::Omit);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%6zu items: %8.3f ms in all, %7.2f us per item%s\n", items, seconds * 1e3,
              seconds * 1e6 / static_cast<double>(items), result == cvn::platform::kSOk ? "" : " (report failed)");
  return result == cvn::platform::kSOk;
}

}  // namespace

int main() {
  const bool fine = Measure(1000) && Measure(10000);
  return fine ? 0 : 1;
}
