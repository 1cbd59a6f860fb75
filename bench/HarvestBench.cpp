// Harvests generated applications of 1,000 and 10,000 DLLs with version
// resources on the emulated machine and prints the time of the harvest
// (folder walk, versions, imports, registrations, writing the .cdb and
// reading it back) beside that of the file checks of the same files in
// the harvested database. The harvest should stay within twice the checks,
// and the time per file should not grow with the number of files. Other
// sizes can be given as arguments.
#include <cstdio>
#include <sstream>

#include "bench/BenchMachine.h"
#include "bench/BenchSizes.h"
#include "bench/GeneratedFiles.h"
#include "tools/cvntool/HarvestCommand.h"

namespace {

bool WriteApplication(cvn::platform::FileSystem& files, const std::string& folder, size_t count) {
  const auto dll = cvn::bench::VersionedDll();
  bool written = files.CreateDirectory(folder + "APP") && files.WriteFile(folder + "APP\\APP.EXE", dll);
  for (size_t i = 0; written && i < count; ++i) written = files.WriteFile(folder + "APP\\" + cvn::bench::DllName(i), dll);
  return written;
}

void RemoveApplication(cvn::platform::FileSystem& files, const std::string& folder, size_t count) {
  for (size_t i = 0; i < count; ++i) files.DeleteFile(folder + "APP\\" + cvn::bench::DllName(i));
  for (const char* name : {"APP\\APP.EXE", "APP\\APP.CDB"}) files.DeleteFile(folder + name);
  files.RemoveDirectory(folder + "APP");
}

void Measure(cvn::bench::BenchMachine& bench, size_t count) {
  cvn::platform::Machine& machine = bench.Machine();
  const std::string& folder = bench.Folder();
  if (!WriteApplication(machine.Files(), folder, count)) {
    std::printf("cannot write the files in %s\n", folder.c_str());
    RemoveApplication(machine.Files(), folder, count);
    return;
  }
  cvn::tool::Options options;
  options.command = "harvest";
  options.operands = {folder + "APP"};
  options.outPath = folder + "APP\\APP.CDB";
  std::ostringstream out;
  std::ostringstream errors;
  cvn::RunContext harvestContext(machine);
  const auto start = cvn::bench::Clock::now();
  const int status = cvn::tool::RunHarvest(harvestContext, options, out, errors);
  const double harvest = cvn::bench::SecondsSince(start);
  cvn::RunContext context(machine);
  cvn::ConfigDatabase database;
  if (status != 0 || database.Load(context, *options.outPath) != cvn::platform::kSOk) {
    std::printf("  the harvest failed: %s\n", errors.str().c_str());
  } else {
    const double checks = cvn::bench::CheckSection(context, database, cvn::SectionId::DllInfo);
    const double perFile = 1e6 / static_cast<double>(count);
    std::printf("%zu files on the %s\n", count, bench.Name());
    std::printf("  file checks %9.2f ms  %8.1f us per file\n", checks * 1e3, checks * perFile);
    std::printf("  harvest     %9.2f ms  %8.1f us per file  (%.2fx the file checks)\n", harvest * 1e3,
                harvest * perFile, harvest / checks);
  }
  RemoveApplication(machine.Files(), folder, count);
}

}  // namespace

int main(int argc, char** argv) {
  const auto sizes = cvn::bench::SizesFromArguments(argc, argv, {1000, 10000});
  std::string error;
  const auto bench = cvn::bench::OpenBenchMachine(error);
  if (bench == nullptr) {
    std::printf("cannot open the machine: %s\n", error.c_str());
    return 1;
  }
  for (const size_t count : sizes) Measure(*bench, count);
  return 0;
}
