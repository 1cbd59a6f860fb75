#include "tools/cvntool/SummaryCommand.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>
#include <vector>

#include "config/TextCase.h"

namespace cvn::tool {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> ReportFiles(const std::string& folder, std::error_code& failure) {
  std::vector<fs::path> files;
  for (fs::directory_iterator it(folder, failure), end; !failure && it != end; it.increment(failure)) {
    if (it->is_regular_file() && EqualsNoCase(it->path().extension().string(), ".json")) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The whole file in one read; empty when it cannot be read.
std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  const std::streamoff size = in.tellg();
  // A report larger than a stream read can take is no report of ours.
  if (!in || size <= 0 || size > std::numeric_limits<std::streamsize>::max()) return {};
  std::string text(static_cast<size_t>(size), '\0');
  in.seekg(0);
  in.read(text.data(), static_cast<std::streamsize>(size));
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

void PrintFailures(const char* label, const std::vector<FleetFailure>& failures, std::ostream& out) {
  for (const FleetFailure& failure : failures) out << label << failure.machine << " (" << failure.reason << ")\n";
}

}  // namespace

bool SummarizeFolder(const std::string& folder, FleetSummary& summary, std::string& error) {
  std::error_code failure;
  const std::vector<fs::path> files = ReportFiles(folder, failure);
  if (failure) {
    error = "cannot read " + folder + ": " + failure.message();
    return false;
  }
  FleetTally tally;
  for (const fs::path& file : files) tally.Add(file.stem().string(), ReadText(file));
  summary = tally.Finish();
  return true;
}

void PrintSummary(const FleetSummary& summary, std::ostream& out) {
  out << "reports " << summary.reports << ", checked " << summary.checked << ", not loaded "
      << summary.notLoaded.size() << ", unreadable " << summary.unreadable.size() << '\n';
  if (!summary.items.empty()) out << "problems warnings item\n";
  for (const FleetItem& item : summary.items) {
    char counts[32];
    std::snprintf(counts, sizeof counts, "%8d %8d ", item.problems, item.warnings);
    out << counts << '[' << item.section << "] " << item.name << '\n';
  }
  PrintFailures("not loaded: ", summary.notLoaded, out);
  PrintFailures("unreadable: ", summary.unreadable, out);
}

int RunSummary(const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return 2;
  }
  FleetSummary summary;
  std::string error;
  if (!SummarizeFolder(options.operands[0], summary, error)) {
    errors << "cvntool: " << error << '\n';
    return 1;
  }
  PrintSummary(summary, out);
  return 0;
}

}  // namespace cvn::tool
