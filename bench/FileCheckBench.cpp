// Checks every file of generated applications of 1,000 and 10,000 DLLs with
// version resources and prints the time per CheckFile, beside a bare loop
// over the same files that only looks each one up and reads its version
// resource. CheckFile should stay within twice the bare loop, and the time
// per file should not grow with the number of files. Other sizes can be
// given as arguments. The host build measures the emulated machine; the
// Windows build real files in the temporary folder (FindFirstFile and
// GetFileVersionInfo against CheckFile).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "checks/PeModules.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "bench/BenchMachine.h"
#include "bench/GeneratedFiles.h"

namespace {

using cvn::bench::DllName;
using cvn::bench::SecondsSince;
using Clock = cvn::bench::Clock;

// The bare loop: find each file and read its version text.
double BareLoop(cvn::platform::Machine& machine, const std::string& folder, size_t files) {
  const auto start = Clock::now();
  size_t read = 0;
  for (size_t i = 0; i < files; ++i) {
    const std::string path = folder + DllName(i);
    cvn::platform::FindData data;
    std::string version;
    if (machine.Files().FindFirst(path, data) && cvn::ReadFileVersion(machine, path, version) == cvn::platform::kSOk)
      ++read;
  }
  const double seconds = SecondsSince(start);
  if (read != files) std::printf("  the bare loop read %zu of %zu versions\n", read, files);
  return seconds;
}

// The application's files and its database, written through the machine.
bool WriteApplication(cvn::platform::FileSystem& files, const std::string& folder, size_t count) {
  const auto dll = cvn::bench::VersionedDll();
  std::string cdb = "[App Info]\nAppFileName=APP.EXE\n[Directory Info]\n[DLL Info]\n";
  bool written = files.WriteFile(folder + "APP.EXE", {'M', 'Z'});
  for (size_t i = 0; i < count; ++i) {
    written = written && files.WriteFile(folder + DllName(i), dll);
    cdb += DllName(i) + ", 1, 1, Y, N, 4.0, -3.0\n";
  }
  cdb += "[End]\n";
  return written && files.WriteFile(folder + "Bench.cdb", cvn::platform::Bytes(cdb.begin(), cdb.end()));
}

void RemoveApplication(cvn::platform::FileSystem& files, const std::string& folder, size_t count) {
  for (size_t i = 0; i < count; ++i) files.DeleteFile(folder + DllName(i));
  files.DeleteFile(folder + "APP.EXE");
  files.DeleteFile(folder + "Bench.cdb");
}

void Measure(cvn::bench::BenchMachine& bench, size_t files) {
  cvn::platform::Machine& machine = bench.Machine();
  const std::string& folder = bench.Folder();
  if (!WriteApplication(machine.Files(), folder, files)) {
    std::printf("cannot write the files in %s\n", folder.c_str());
    RemoveApplication(machine.Files(), folder, files);
    return;
  }
  cvn::RunContext context(machine);
  cvn::ConfigDatabase database;
  if (database.Load(context, folder + "Bench.cdb") != cvn::platform::kSOk) {
    std::printf("  the load failed\n");
  } else {
    const double bare = BareLoop(machine, folder, files);
    const double check = cvn::bench::CheckSection(context, database, cvn::SectionId::DllInfo);
    const double perFile = 1e6 / static_cast<double>(files);
    std::printf("%zu files on the %s\n", files, bench.Name());
    std::printf("  bare loop  %9.2f ms  %8.1f us per file\n", bare * 1e3, bare * perFile);
    std::printf("  CheckFile  %9.2f ms  %8.1f us per file  (%.2fx the bare loop)\n", check * 1e3, check * perFile,
                check / bare);
  }
  RemoveApplication(machine.Files(), folder, files);
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  std::vector<size_t> sizes = {1000, 10000};
  if (argc > 1) sizes.clear();
  for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  std::string error;
  const auto bench = cvn::bench::OpenBenchMachine(error);
  if (bench == nullptr) {
    std::printf("cannot open the machine: %s\n", error.c_str());
    return 1;
  }
  for (const size_t files : sizes) Measure(*bench, files);
  return 0;
}
