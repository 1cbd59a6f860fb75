// What the vendor's database says about the report: its file name, its
// width and which blocks it holds.
#pragma once

#include <cstdint>
#include <string>

namespace cvn {

class ConfigDatabase;

struct ReportOptions {
  std::string reportName = "corvane.txt";
  int32_t reportWidth = 90;
  bool getUserInfo = true;
  bool checkConfigurationDatabase = true;
  bool showConfigInfo = true;
  bool askQuestions = true;
  int64_t askQuestionsOptions = -1;  // a bit set; all bits by default
  bool showTechSupportInfo = true;
};

// Bits of ReportOptions::askQuestionsOptions.
namespace question {
inline constexpr int64_t kRestart = 1;
inline constexpr int64_t kRepeatable = 2;
inline constexpr int64_t kOnlyApplication = 4;
inline constexpr int64_t kLoads = 8;
inline constexpr int64_t kRecentlyStarted = 16;
inline constexpr int64_t kQuickTime = 32;
inline constexpr int64_t kSymptoms = 64;
}  // namespace question

// The options of App Info and Corvane Info; missing keys keep the defaults.
ReportOptions ReadReportOptions(const ConfigDatabase& database);

}  // namespace cvn
