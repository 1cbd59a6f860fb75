// Sums up generated fleets of 1,000 and 10,000 JSON reports with cvntool
// summary's own reader and prints the time per report; the time per
// report should not grow with the fleet. Each report has the requirement
// rows and 40 items, a few with findings; one machine in a hundred could
// not be loaded. Besides the wall time it prints the processor time, which
// a busy machine does not inflate.
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchSizes.h"
#include "report/JsonWriter.h"
#include "report/ReportJson.h"
#include "tools/cvntool/SummaryCommand.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

void Member(cvn::JsonWriter& json, const char* key, const std::string& text) {
  json.Key(key);
  json.String(text);
}

void Member(cvn::JsonWriter& json, const char* key, int64_t number) {
  json.Key(key);
  json.Number(number);
}

void Item(cvn::JsonWriter& json, const std::string& name, int level) {
  json.BeginObject();
  Member(json, "name", name);
  json.Key("required");
  json.Bool(level != 3);
  Member(json, "status", level == 0 ? 0 : 8);
  Member(json, "level", level);
  Member(json, "mark", level == 0 ? " " : "*");
  Member(json, "expected", "2.1.0.37");
  Member(json, "found", level == 0 ? "2.1.0.37" : "1.4.2.0");
  Member(json, "notes", level == 0 ? "" : "The installed version is older than the required version.");
  json.Key("fix");
  json.Null();
  json.EndObject();
}

std::string Report(size_t machine) {
  std::string out;
  cvn::JsonWriter json(out);
  if (machine % 100 == 99) {
    return cvn::UnloadedJson(nullptr, "report", "C:\\APP\\BENCH.CDB", "the database could not be loaded");
  }
  cvn::BeginJsonDocument(json, "report", true);
  Member(json, "database", "C:\\Program Files\\Bench\\Corvane.cdb");
  Member(json, "application", "Bench");
  json.Key("requirements");
  json.BeginArray();
  for (int row = 0; row < 16; ++row) {
    json.BeginObject();
    Member(json, "name", std::string("Requirement ").append(std::to_string(row)));
    Member(json, "actual", "128 MB");
    Member(json, "minimum", "8 MB");
    Member(json, "level", row == 11 && machine % 7 == 0 ? 5 : 0);
    json.EndObject();
  }
  json.EndArray();
  json.Key("sections");
  json.BeginArray();
  for (const char* section : {"Program Info", "DLL Info", "Active X/OCX/VBX Info", "Driver Info"}) {
    json.BeginObject();
    Member(json, "name", section);
    json.Key("items");
    json.BeginArray();
    for (size_t i = 0; i < 10; ++i) {
      const size_t pick = (machine * 31 + i * 17) % 97;
      Item(json, std::string("FILE").append(std::to_string(i)).append(".DLL"), pick < 3 ? 5 : pick < 6 ? 3 : 0);
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return out;
}

bool Measure(size_t reports) {
  const fs::path folder = fs::temp_directory_path() / ("cvn-summary-bench-" + std::to_string(reports));
  fs::remove_all(folder);
  fs::create_directories(folder);
  uintmax_t bytes = 0;
  for (size_t i = 0; i < reports; ++i) {
    const std::string text = Report(i);
    bytes += text.size();
    std::ofstream(folder / std::string("PC-").append(std::to_string(100000 + i)).append(".json"), std::ios::binary)
        << text;
  }
  cvn::FleetSummary summary;
  std::string error;
  const auto start = Clock::now();
  const std::clock_t startCpu = std::clock();
  const bool read = cvn::tool::SummarizeFolder(folder.string(), summary, error);
  const double cpu = static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC;
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  fs::remove_all(folder);
  if (!read || summary.checked + summary.notLoaded.size() != reports) {
    std::printf("%6zu reports: summary failed %s\n", reports, error.c_str());
    return false;
  }
  const double count = static_cast<double>(reports);
  std::printf("%6zu reports (%6.1f MB): %9.1f ms in all, %7.1f us per report; processor %9.1f ms, %7.1f us per report; "
              "%zu items, the first on %d machines\n",
              reports, static_cast<double>(bytes) / 1048576.0, seconds * 1e3, seconds * 1e6 / count, cpu * 1e3,
              cpu * 1e6 / count, summary.items.size(), summary.items.front().problems);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  bool fine = true;
  for (const size_t reports : cvn::bench::SizesFromArguments(argc, argv, {1000, 10000})) {
    fine = Measure(reports) && fine;
  }
  return fine ? 0 : 1;
}
