// Fills the rows of the DLL Files list, without a window, for generated
// applications of 1,000 and 10,000 DLLs, and prints the time per row beside
// the time of CheckFile alone on an identical database. The list's own work
// (listing, rows, data, the first sort) should add less than 10 % to the
// checks, and the time per row should not grow with the number of files.
// The list's own work is also timed alone, refilling with every item's
// check already made, since the emulated disk's lookups grow with the
// folder's size.
// Then it sorts the filled rows both ways and counts the items that were
// checked again (there should be none). Other sizes can be given as
// arguments.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSizes.h"
#include "checks/FileCheck.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/emulated/ImageBuilder.h"
#include "tests/support/FileCheckTestFiles.h"
#include "ui/CheckListFill.h"
#include "util/MemoryList.h"
#include "util/RowOrder.h"
#include "checks/ItemChecks.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr cvn::SectionId kDllCategory = cvn::SectionId::DllInfo;

double SecondsSince(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// An application whose DLLs are mostly fine: every seventh is missing and
// every fifth older than required, so the list has problems to sort.
std::unique_ptr<cvn::emulated::EmulatedMachine> Application(cvn::emulated::ImageBuilder& image, size_t files) {
  const auto current = cvn::test::VersionedDll(0x00040000, 0x03B60000);
  const auto older = cvn::test::VersionedDll(0x00030000, 0);
  std::string cdb = "[App Info]\nAppFileName=APP.EXE\n[Directory Info]\n[DLL Info]\n";
  for (size_t i = 0; i < files; ++i) {
    const std::string name = "F" + std::to_string(i) + ".DLL";
    if (i % 7 != 3) image.File("C:\\APP\\" + name, i % 5 == 1 ? older : current);
    cdb += name + ", 1, 1, Y, N, 4.0\n";
  }
  image.File("C:\\APP\\APP.EXE", "MZ").File("C:\\APP\\Bench.cdb", cdb + "[End]\n");
  return image.Open();
}

bool Load(cvn::RunContext& context, cvn::ConfigDatabase& database) {
  if (database.Load(context, "C:\\APP\\Bench.cdb") == cvn::platform::kSOk) return true;
  std::printf("  the load failed\n");
  return false;
}

double CheckAlone(cvn::RunContext& context, cvn::ConfigDatabase& database) {
  const cvn::ConfigSection* section = database.GetSection(cvn::SectionId::DllInfo);
  const auto start = Clock::now();
  for (const auto& entry : section->Items()) {
    auto& item = static_cast<cvn::FileItem&>(*entry);
    cvn::CheckItem(context, database, item);
  }
  return SecondsSince(start);
}

// What the DLL Files page does to fill its list: list the section, add
// every row with its columns and data, and put the worst rows first.
double FillRows(cvn::RunContext& context, cvn::ConfigDatabase& database, cvn::MemoryList& list, int& problems) {
  const auto start = Clock::now();
  static_cast<void>(cvn::FillCheckList(context, database, kDllCategory, cvn::ShowRows::All, list, problems));
  if (problems > 0) cvn::SortRows(list, cvn::sortmode::kWorstFirst);
  return SecondsSince(start);
}

// Sorts the filled list both ways with every item's cache cleared, so that
// any check made meanwhile shows as a checked item.
void SortWithoutChecks(const cvn::ConfigDatabase& database, cvn::MemoryList& list) {
  const cvn::ConfigSection* section = database.GetSection(cvn::SectionId::DllInfo);
  for (const auto& entry : section->Items()) static_cast<cvn::FileItem&>(*entry).checked = false;
  const auto start = Clock::now();
  cvn::SortRows(list, cvn::sortmode::kDatabaseOrder);
  cvn::SortRows(list, cvn::sortmode::kWorstFirst);
  const double seconds = SecondsSince(start);
  size_t checked = 0;
  for (const auto& entry : section->Items()) checked += static_cast<cvn::FileItem&>(*entry).checked ? 1 : 0;
  std::printf("  two sorts  %9.2f ms, items checked again: %zu\n", seconds * 1e3, checked);
}

constexpr int kRounds = 3;

void Measure(size_t files) {
  cvn::emulated::ImageBuilder image;
  auto machine = Application(image, files);
  if (!machine) {
    std::printf("cannot open the image: %s\n", image.Error().c_str());
    return;
  }
  cvn::RunContext context(*machine);
  // A first pass warms the host's file cache; then each round checks and
  // fills fresh databases, in turns first, and the best time of each counts.
  cvn::ConfigDatabase warmUp;
  if (!Load(context, warmUp)) return;
  CheckAlone(context, warmUp);
  double check = 1e9;
  double fill = 1e9;
  cvn::MemoryList list;
  int problems = 0;
  std::unique_ptr<cvn::ConfigDatabase> filled;
  for (int round = 0; round < kRounds; ++round) {
    auto alone = std::make_unique<cvn::ConfigDatabase>();
    filled = std::make_unique<cvn::ConfigDatabase>();
    if (!Load(context, *alone) || !Load(context, *filled)) return;
    if (round % 2 == 0) check = std::min(check, CheckAlone(context, *alone));
    fill = std::min(fill, FillRows(context, *filled, list, problems));
    if (round % 2 == 1) check = std::min(check, CheckAlone(context, *alone));
  }
  const double perRow = 1e6 / static_cast<double>(files);
  std::printf("%zu files, %d problems, %d rows (best of %d rounds)\n", files, problems, list.ItemCount(), kRounds);
  std::printf("  CheckFile  %9.2f ms  %8.2f us per file\n", check * 1e3, check * perRow);
  std::printf("  fill rows  %9.2f ms  %8.2f us per row  (%+.1f %% over CheckFile)\n", fill * 1e3, fill * perRow,
              (fill / check - 1.0) * 100.0);
  // The items of `filled` are checked now: a refill costs the list's work alone.
  cvn::MemoryList again;
  const double alone = FillRows(context, *filled, again, problems);
  std::printf("  list alone %9.2f ms  %8.2f us per row  (every item already checked)\n", alone * 1e3,
              alone * perRow);
  SortWithoutChecks(*filled, list);
}

}  // namespace

int main(int argc, char** argv) {
  for (const size_t files : cvn::bench::SizesFromArguments(argc, argv, {1000, 10000})) Measure(files);
  return 0;
}
