// Loads generated databases of 10,000 and 100,000 entries and prints the
// load time, lines per second, memory and FindItem lookups per second,
// beside a bare loop that only reads the lines of the same file. The time
// per line should stay the same as the file grows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "config/TextLines.h"
#include "platform/emulated/ImageBuilder.h"

// ---- Memory: every allocation of the program is counted ----

namespace {

size_t liveBytes = 0;
size_t peakBytes = 0;

// Room in front of each block for its size, kept at the strictest alignment.
constexpr size_t kHeader = alignof(std::max_align_t);

void* CountedAllocate(size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<size_t*>(block) = size;
  liveBytes += size;
  peakBytes = std::max(peakBytes, liveBytes);
  return static_cast<char*>(block) + kHeader;
}

void CountedFree(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  liveBytes -= *static_cast<size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(size_t size) { return CountedAllocate(size); }
void* operator new[](size_t size) { return CountedAllocate(size); }
void operator delete(void* pointer) noexcept { CountedFree(pointer); }
void operator delete[](void* pointer) noexcept { CountedFree(pointer); }
void operator delete(void* pointer, size_t) noexcept { CountedFree(pointer); }
void operator delete[](void* pointer, size_t) noexcept { CountedFree(pointer); }

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kDatabasePath = "C:\\APP\\Bench.cdb";
constexpr int kRepeats = 3;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

std::string Number(size_t n, int width) {
  std::string text = std::to_string(n);
  return text.size() < static_cast<size_t>(width) ? std::string(width - text.size(), '0') + text
                                                  : text;
}

// A database of `entries` entries over the kinds of sections a vendor
// writes: files, INI and Registry settings (two lines each), COM classes
// and texts. Returns the text and the names of the DLL entries.
std::string Generate(size_t entries, std::vector<std::string>& dllNames) {
  std::string dll, ini, registry, ole, texts;
  for (size_t i = 0; i < entries; ++i) {
    const std::string n = Number(i, 6);
    switch (i % 10) {
      case 0: case 1: case 2: case 3:
        dllNames.push_back("LIB" + n + ".DLL");
        dll += dllNames.back() + ", S, 1, Y, N, 4.0." + n + ", -3.9 ; shipped\n";
        break;
      case 4: case 5:
        ini += "app" + n + "\\Settings\\Key" + n + " = [ \"W|x" + n + "\", \"1|y\" ],\n"
               "Y, N, act" + n + ", expl" + n + "\n";
        break;
      case 6: case 7:
        registry += "HKEY_LOCAL_MACHINE\\Software\\Vendor\\App\\Value" + n + " = {abc" + n + "}\n"
                    ", Y, Y, act, expl\n";
        break;
      case 8:
        ole += "\"Class " + n + "\", srv" + n + ".dll, S, Vendor.Class" + n + ".1, 1.0, Y, N, N,\n"
               "{12345678-9ABC-DEF0-1234-" + Number(i, 12) + "}, {00020430-0000-0000-C000-000000000046}\n";
        break;
      default:
        texts += "Text" + n + " = The explanation of problem " + n + ".\n";
        break;
    }
  }
  return "[App Info]\nAppName=Bench\nAppFileName=APP.EXE\n[Directory Info]\nQ=W|Vendor\n"
         "[DLL Info]\n" + dll + "[INI Info]\n" + ini + "[Registry Info]\n" + registry +
         "[OLE Server Info]\n" + ole + "[Explanation Text Info]\n" + texts + "[End]\n";
}

size_t CountLines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

// The floor: read the file through the machine and walk its cleaned lines.
double BareLoop(cvn::platform::Machine& machine, size_t& nonEmpty) {
  double best = 1e9;
  for (int r = 0; r < kRepeats; ++r) {
    const Clock::time_point start = Clock::now();
    const auto bytes = machine.Files().ReadFile(kDatabasePath);
    cvn::LineSplitter lines(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    std::string_view line;
    nonEmpty = 0;
    while (lines.Next(line)) nonEmpty += cvn::CleanLine(line).empty() ? 0 : 1;
    best = std::min(best, Seconds(start));
  }
  return best;
}

struct LoadFigures {
  double seconds = 1e9;
  size_t retainedBytes = 0;
  size_t peakBytes = 0;
  double lookupsPerSecond = 0;
  double exactLookupsPerSecond = 0;
};

// Every DLL name looked up in another case, then as written.
void MeasureLookups(const cvn::ConfigDatabase& database, const std::vector<std::string>& names,
                    LoadFigures& figures) {
  const cvn::ConfigSection* dlls = database.GetSection(cvn::SectionId::DllInfo);
  std::vector<std::string> lower;
  for (const std::string& name : names) {
    std::string l = name;
    for (char& c : l) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    lower.push_back(l);
  }
  size_t found = 0;
  Clock::time_point start = Clock::now();
  for (const std::string& name : lower) {
    found += cvn::ConfigDatabase::FindItem(dlls, name, cvn::CaseSensitivity::Insensitive) != nullptr;
  }
  figures.lookupsPerSecond = static_cast<double>(lower.size()) / Seconds(start);
  start = Clock::now();
  for (const std::string& name : names) {
    found += cvn::ConfigDatabase::FindItem(dlls, name, cvn::CaseSensitivity::Sensitive) != nullptr;
  }
  figures.exactLookupsPerSecond = static_cast<double>(names.size()) / Seconds(start);
  if (found != 2 * names.size()) std::printf("  lookups missed %zu names\n", 2 * names.size() - found);
}

LoadFigures Load(cvn::platform::Machine& machine, const std::vector<std::string>& names) {
  LoadFigures figures;
  for (int r = 0; r < kRepeats; ++r) {
    cvn::RunContext context(machine);
    const size_t before = liveBytes;
    peakBytes = liveBytes;
    auto database = std::make_unique<cvn::ConfigDatabase>();
    const Clock::time_point start = Clock::now();
    if (database->Load(context, kDatabasePath) != cvn::platform::kSOk) {
      std::printf("  the load failed\n");
      return figures;
    }
    figures.seconds = std::min(figures.seconds, Seconds(start));
    figures.retainedBytes = liveBytes - before;
    figures.peakBytes = peakBytes - before;
    if (r == 0) MeasureLookups(*database, names, figures);
  }
  return figures;
}

// The time per line of one size, for the growth figure at the end.
double Run(size_t entries) {
  std::vector<std::string> names;
  const std::string text = Generate(entries, names);
  cvn::emulated::ImageBuilder image;
  image.File("C:\\APP\\APP.EXE", "MZ").File(kDatabasePath, text);
  const auto machine = image.Open();
  if (machine == nullptr) {
    std::printf("cannot open the image: %s\n", image.Error().c_str());
    return 0;
  }
  const size_t lines = CountLines(text);
  size_t nonEmpty = 0;
  const double bare = BareLoop(*machine, nonEmpty);
  const LoadFigures load = Load(*machine, names);

  std::printf("%zu entries: %zu lines, %.1f KB\n", entries, lines, static_cast<double>(text.size()) / 1024);
  std::printf("  bare line loop   %8.2f ms  %12.0f lines/s\n", bare * 1e3, static_cast<double>(lines) / bare);
  std::printf("  load             %8.2f ms  %12.0f lines/s  (%.1fx the bare loop)\n", load.seconds * 1e3,
              static_cast<double>(lines) / load.seconds, load.seconds / bare);
  std::printf("  memory           %8.1f KB held after the load, %.1f KB at the peak, %.0f bytes per entry\n",
              static_cast<double>(load.retainedBytes) / 1024, static_cast<double>(load.peakBytes) / 1024,
              static_cast<double>(load.retainedBytes) / static_cast<double>(entries));
  std::printf("  FindItem         %12.0f lookups/s without regard to case, %.0f exact\n",
              load.lookupsPerSecond, load.exactLookupsPerSecond);
  return load.seconds / static_cast<double>(lines);
}

}  // namespace

int main() {
  const double small = Run(10000);
  const double large = Run(100000);
  if (small > 0 && large > 0) {
    std::printf("growth: a line of the large file costs %.2fx a line of the small one (1.00 is linear)\n",
                large / small);
  }
  return 0;
}
