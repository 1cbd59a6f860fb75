// The writers of value formats: code or number to text.
#include <cstdio>

#include "config/ValueFormats.h"

namespace cvn {

namespace {

// The text at `code` of a table, or `otherwise` for codes outside it.
std::string Pick(std::initializer_list<const char*> texts, int code, const char* otherwise) {
  if (code < 0 || static_cast<size_t>(code) >= texts.size()) return otherwise;
  const char* text = texts.begin()[code];
  return text != nullptr ? text : otherwise;
}

// One unit of the size writer: whole units as "%ld", else the exact
// quotient with two decimals, rounded half up, in integers so that no
// size loses digits to a floating-point type.
std::string FormatInUnits(int64_t size, int shift, const char* unit) {
  const int64_t unitSize = int64_t{1} << shift;
  int64_t whole = size >> shift;
  const int64_t rest = size & (unitSize - 1);
  char buffer[64];
  if (rest == 0) {
    std::snprintf(buffer, sizeof buffer, "%lld %s", static_cast<long long>(whole), unit);
    return buffer;
  }
  int64_t hundredths = (rest * 100 + unitSize / 2) >> shift;
  if (hundredths == 100) {
    ++whole;
    hundredths = 0;
  }
  std::snprintf(buffer, sizeof buffer, "%lld.%02lld %s", static_cast<long long>(whole),
                static_cast<long long>(hundredths), unit);
  return buffer;
}

std::string Hex2(uint8_t byte) {
  char buffer[4];
  std::snprintf(buffer, sizeof buffer, "%02x", byte);
  return buffer;
}

}  // namespace

std::string FormatWindowsVersion(int code) {
  return Pick({"Win 3.0", nullptr, "Win 3.11", "Win 95", "Win NT 3.0", "Win NT 3.5",
               "Win NT 3.51", "Win NT 4.0", "Win 2000", "Win XP", "Win Vista", "Win 7", "Win 8",
               "Win 8.1", "Win 10", "Win 11"},
              code, "Win 3.1");
}

std::string FormatProcessor(int code) {
  return Pick({"8086", "80186", "286", "386", nullptr, "Pentium", "Pentium Pro"}, code, "486");
}

std::string FormatColors(int code) {
  return Pick({nullptr, "256", "high color", "true color"}, code, "16");
}

std::string FormatFrequency(int code) {
  return Pick({"never", nullptr, "daily", "weekly", "monthly"}, code, "always");
}

std::string FormatYesNo(bool value) { return value ? "yes" : "no"; }

std::string FormatAnswer(int code) { return Pick({"yes", "no"}, code, "don't know"); }

std::string FormatFound(int found) { return found == 1 ? "found" : "not found"; }

std::string FormatRequired(int required) { return required == 1 ? "required" : "not required"; }

std::string FormatInteger(int64_t value) { return std::to_string(value); }

std::string FormatSize(int64_t size) {
  if (size >= (int64_t{1} << 20)) return FormatInUnits(size, 20, "MB");
  if (size < (int64_t{1} << 10)) return std::to_string(size) + " bytes";
  return FormatInUnits(size, 10, "KB");
}

std::string FormatDateTime(platform::SystemInfo& system, const platform::SystemTime& time) {
  const std::string date = system.FormatDate(time, platform::DateStyle::Short);
  const std::string clock = system.FormatTime(time);
  if (date.empty() || clock.empty()) return date + clock;
  return date + " " + clock;
}

std::string FormatTimestamp(const platform::SystemTime& time) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d%02d%02d", time.year, time.month, time.day,
                time.hour, time.minute);
  return buffer;
}

std::string FormatRegistryData(uint32_t type, const platform::Bytes& data) {
  if (type == platform::regtype::kDword) {
    std::string text = "0x";
    for (size_t i = 4; i-- > 0;) text += Hex2(i < data.size() ? data[i] : 0);
    return text;
  }
  if (type != platform::regtype::kNone && type != platform::regtype::kBinary) return {};
  std::string text;
  for (size_t i = 0; i < data.size(); ++i) {
    if (i > 0) text += ' ';
    text += Hex2(data[i]);
  }
  return text;
}

}  // namespace cvn
