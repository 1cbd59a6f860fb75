// Refreshes generated usage databases of 10,000 and 100,000 lines on the
// emulated machine, with nothing changed and with 1 % of the items changed,
// and prints the time next to that of copying the same file and of reading
// the items' current states alone (the checks the refresh cannot avoid).
// A refresh should cost at most twice the copy plus the checks, and its
// time per line should not grow with the file.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "config/RunContext.h"
#include "platform/emulated/HostFile.h"
#include "platform/emulated/ImageBuilder.h"
#include "usage/CurrentState.h"
#include "usage/UsageDatabase.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kUdb = "C:\\APP\\BENCH.UDB";
constexpr const char* kCopy = "C:\\APP\\COPY.UDB";
constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Bench";
constexpr int kSnapshotsPerEntry = 4;  // so an entry takes five lines

std::string FileName(size_t i) { return "F" + std::to_string(i) + ".DLL"; }
// Sixteen values a key, as an application's settings are spread.
std::string KeyOf(size_t i) { return std::string(kKey) + "\\K" + std::to_string(i / 32); }
std::string ValueName(size_t i) { return "V" + std::to_string(i); }

// Half the entries are files in C:\APP, half Registry values; every
// `changedEvery`-th item differs from its last snapshot.
struct Generated {
  std::string udb;
  size_t entries = 0;
};

Generated Generate(cvn::emulated::ImageBuilder& image, size_t lines, size_t changedEvery) {
  Generated out;
  out.entries = lines / (kSnapshotsPerEntry + 1);
  const cvn::platform::FileTime written = cvn::emulated::ImageBuilder::Time(1997, 1, 2, 10, 30);
  // The files live apart from the usage database: the emulated machine
  // lists a folder to give a new file (the .ubk) its short name.
  image.Dir("C:\\APP").Dir("C:\\APP\\LIB");
  const std::filesystem::path folder = image.HostPath("C:\\APP\\LIB");
  std::string files = "[DLL Info]\r\n";
  std::string values = "[Registry Info]\r\n";
  for (size_t i = 0; i < out.entries; ++i) {
    const bool changed = changedEvery != 0 && i % changedEvery == 0;
    std::string history;
    for (int s = 0; s < kSnapshotsPerEntry; ++s) {
      history += "   1997070" + std::to_string(s + 1) + "1200=";
      if (i % 2 == 0) {
        history += ", " + std::to_string(s + 1 == kSnapshotsPerEntry ? 4 : s) + ", 199701021030\r\n";
      } else {
        history += (s + 1 == kSnapshotsPerEntry ? "value" : "old" + std::to_string(s)) + std::string("\r\n");
      }
    }
    if (i % 2 == 0) {
      // Straight into the image's folder: the builder looks for each new
      // name among the files already there.
      const std::filesystem::path host = folder / FileName(i);
      cvn::emulated::WriteHostFile(host, changed ? "grown" : "data");
      cvn::emulated::SetHostLastWriteTime(host, written);
      files += FileName(i) + ", c:\\app\\lib\r\n" + history;
    } else {
      image.Registry(KeyOf(i), ValueName(i), changed ? "new" : "value");
      values += KeyOf(i) + "\\" + ValueName(i) + "\r\n" + history;
    }
  }
  out.udb = "; generated\r\n\r\n[Preferences]\r\nCheckFrequency=always\r\nLastCheck=199707011200\r\n\r\n" + files +
            "\r\n" + values + "\r\n[End]\r\n";
  return out;
}

double Milliseconds(const std::function<void()>& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool Measure(size_t lines, size_t changedEvery) {
  cvn::emulated::ImageBuilder image;
  const Generated generated = Generate(image, lines, changedEvery);
  auto machine = image.Open();
  if (machine == nullptr) {
    std::printf("image: %s\n", image.Error().c_str());
    return false;
  }
  cvn::RunContext context(*machine);
  cvn::platform::FileSystem& files = machine->Files();
  const cvn::platform::Bytes bytes(generated.udb.begin(), generated.udb.end());
  bool fine = true;
  cvn::UsageTally tally;
  auto checkAll = [&] {
    for (size_t i = 0; i < generated.entries; ++i) {
      if (i % 2 == 0) {
        cvn::CurrentFileState(context, {FileName(i), "c:\\app\\lib"});
      } else {
        cvn::CurrentSettingValue(context, cvn::UsageSection::RegistrySettings, KeyOf(i) + "\\" + ValueName(i));
      }
    }
  };
  // The four are timed in turns, the best of five rounds each, so that a
  // busy machine weighs on them alike. The copy goes through the platform's
  // file calls, as any line-by-line copy reads and writes; CopyFile's kernel
  // copy is shown beside it.
  double refresh = 1e300, copy = 1e300, copyFile = 1e300, checks = 1e300;
  for (int round = 0; round < 5; ++round) {
    files.WriteFile(kUdb, bytes);
    refresh = std::min(refresh, Milliseconds([&] {
      fine = fine && cvn::RefreshUsageDatabase(context, kUdb, nullptr, &tally) == cvn::platform::kSOk;
    }));
    files.WriteFile(kUdb, bytes);
    copy = std::min(copy, Milliseconds([&] {
      const auto content = files.ReadFile(kUdb);
      fine = fine && content && files.WriteFile(kCopy, *content);
    }));
    copyFile = std::min(copyFile, Milliseconds([&] {
      fine = fine && files.CopyFile(kUdb, kCopy, cvn::platform::FailIfExists::No);
    }));
    checks = std::min(checks, Milliseconds(checkAll));
  }
  const double bar = 2 * copy + checks;
  std::printf("%7zu lines, %-10s refresh %8.2f ms (%5.2f us/line, %3zu lines added)  copy %6.2f ms"
              " (CopyFile %5.2f ms)  checks %8.2f ms  2x copy + checks %8.2f ms  %s\n",
              lines, changedEvery == 0 ? "unchanged" : "1% changed", refresh, refresh * 1e3 / static_cast<double>(lines),
              tally.snapshotsAdded, copy, copyFile, checks, bar, refresh <= bar ? "within" : "OVER");
  return fine;
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  bool fine = true;
  for (const size_t lines : {10000u, 100000u}) {
    fine = Measure(lines, 0) && fine;
    fine = Measure(lines, 100) && fine;
  }
  return fine ? 0 : 1;
}
