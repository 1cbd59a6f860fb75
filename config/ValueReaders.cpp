// The readers of value formats: text to code or number.
#include <cctype>
#include <limits>

#include "config/NumberScanner.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool ContainsAnyOf(std::string_view text, std::string_view chars) {
  return text.find_first_of(chars) != std::string_view::npos;
}

bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// `word` occurs with no letter or digit right before or after it.
bool ContainsWord(std::string_view text, std::string_view word) {
  for (size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const size_t end = at + word.size();
    if ((at == 0 || !IsWordCharacter(text[at - 1])) && (end == text.size() || !IsWordCharacter(text[end]))) {
      return true;
    }
  }
  return false;
}

struct WordCode {
  std::string_view word;
  int code;
};

// The code of the first word (in order of preference) that the text
// contains; `otherwise` when it contains none.
template <size_t N>
int FirstContained(std::string_view text, const WordCode (&words)[N], int otherwise) {
  for (const WordCode& w : words) {
    if (Contains(text, w.word)) return w.code;
  }
  return otherwise;
}

int64_t ScanLong(std::string_view text) { return NumberScanner(text).Decimal().value_or(0); }

int64_t SaturatingMultiply(int64_t value, int64_t factor) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  if (value > kMax / factor) return kMax;
  if (value < kMin / factor) return kMin;
  return value * factor;
}

}  // namespace

bool ReadYesNo(std::string_view text) { return !ContainsAnyOf(text, "NnFf0"); }

int ReadFrequency(std::string_view text) {
  static constexpr WordCode kWords[] = {{"never", frequency::kNever},
                                        {"always", frequency::kAlways},
                                        {"daily", frequency::kDaily},
                                        {"weekly", frequency::kWeekly},
                                        {"monthly", frequency::kMonthly}};
  return FirstContained(text, kWords, frequency::kAlways);
}

int ReadWindowsVersion(std::string_view text) {
  if (Contains(text, "NT")) {
    static constexpr WordCode kNt[] = {{"4", winver::kNt40}, {"1", winver::kNt351}, {"5", winver::kNt35}};
    return FirstContained(text, kNt, winver::kNt30);
  }
  static constexpr WordCode kWords[] = {{"95", winver::kWin95},  {"3.1.1", winver::kWin311},
                                        {"311", winver::kWin311}, {"3.1", winver::kWin31},
                                        {"31", winver::kWin31}};
  // The names of the later releases ("Win 2000" ... "Win 11"), as whole
  // words, are tried only after every older word, so a text that read as
  // one of those still does ("Win 3.10" stays 3.1, "1987" is no Windows 8).
  static constexpr WordCode kLater[] = {{"2000", winver::kWin2000}, {"XP", winver::kWinXp},
                                        {"Vista", winver::kVista},  {"11", winver::kWin11},
                                        {"10", winver::kWin10},     {"8.1", winver::kWin81},
                                        {"8", winver::kWin8},       {"7", winver::kWin7}};
  const int older = FirstContained(text, kWords, winver::kWin30);
  if (older != winver::kWin30) return older;
  for (const WordCode& w : kLater) {
    if (ContainsWord(text, w.word)) return w.code;
  }
  return winver::kWin30;
}

int ReadProcessor(std::string_view text) {
  if (ContainsAnyOf(text, "Pp")) {
    static constexpr WordCode kClasses[] = {{"6", cpu::kPentiumPro}, {"5", cpu::kPentium},
                                            {"4", cpu::k486},        {"3", cpu::k386},
                                            {"2", cpu::k286},        {"1", cpu::k80186}};
    return FirstContained(text, kClasses, cpu::k8086);
  }
  static constexpr WordCode kNumbers[] = {{"686", cpu::kPentiumPro}, {"586", cpu::kPentium},
                                          {"486", cpu::k486},        {"386", cpu::k386},
                                          {"286", cpu::k286},        {"186", cpu::k80186}};
  return FirstContained(text, kNumbers, cpu::k8086);
}

int ReadColors(std::string_view text) {
  if (Contains(text, "million") || Contains(text, "true")) return colors::kTrueColor;
  if (Contains(text, "thousand") || Contains(text, "high")) return colors::kHighColor;
  const int64_t count = ScanLong(text);
  if (count > 65536) return colors::kTrueColor;
  if (count >= 257) return colors::kHighColor;
  if (count == 256) return colors::k256;
  return colors::k16;
}

int32_t ReadCountWithK(std::string_view text) {
  const int64_t count = ScanInt32(text);
  if (!ContainsAnyOf(text, "Kk")) return static_cast<int32_t>(count);
  return ClampToInt32(count * 1024);
}

int64_t ReadSize(std::string_view text) {
  const int64_t size = ScanLong(text);
  if (ContainsAnyOf(text, "Kk")) return SaturatingMultiply(size, int64_t{1} << 10);
  if (ContainsAnyOf(text, "Mm")) return SaturatingMultiply(size, int64_t{1} << 20);
  if (ContainsAnyOf(text, "Gg")) return SaturatingMultiply(size, int64_t{1} << 30);
  return size;
}

int32_t ReadInteger(std::string_view text) { return ScanInt32(text); }

int ReadAnswerCode(std::string_view text) { return ScanInt32(text); }

Resolution ReadResolution(std::string_view text) {
  Resolution resolution;
  resolution.width = ScanInt32(text);
  NumberScanner scanner(text);
  if (!scanner.Decimal()) return resolution;
  scanner.SkipWhiteSpace();
  if (!scanner.Literal('x')) return resolution;
  resolution.height = ClampToInt32(scanner.Decimal().value_or(0));
  return resolution;
}

platform::SystemTime ReadTimestamp(std::string_view text) {
  platform::SystemTime time;
  NumberScanner scanner(text);
  uint16_t* const fields[] = {&time.year, &time.month, &time.day, &time.hour, &time.minute};
  const size_t widths[] = {4, 2, 2, 2, 2};
  for (size_t i = 0; i < 5; ++i) {
    const std::optional<int64_t> value = scanner.Decimal(widths[i]);
    if (!value) break;
    *fields[i] = static_cast<uint16_t>(*value);
  }
  return time;
}

platform::Bytes ReadRegistryData(std::string_view text) {
  if (text.size() == 10 && (text[1] == 'x' || text[1] == 'X')) {
    const auto value = static_cast<uint32_t>(NumberScanner(text).Hex().value_or(0));
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  }
  platform::Bytes bytes((text.size() + 1) / 3);
  for (size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<uint8_t>(DigitValue(text[3 * i]) * 16 + DigitValue(text[3 * i + 1]));
  }
  return bytes;
}

uint32_t DigitValue(char c) {
  const auto u = static_cast<uint32_t>(static_cast<unsigned char>(c));
  if (c >= 'A' && c <= 'Z') return u - 55;
  if (c >= 'a' && c <= 'z') return u - 87;
  return u - '0';
}

uint32_t ReadDigits(std::string_view text, uint32_t base) {
  uint32_t value = 0;
  for (char c : text) {
    const bool isDigit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!isDigit) break;
    value = value * base + DigitValue(c);
  }
  return value;
}

VersionNumber ReadVersion(std::string_view text) {
  VersionNumber version{};
  size_t pos = 0;
  for (uint32_t& component : version) {
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
      component = component * 10 + static_cast<uint32_t>(text[pos] - '0');
      ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
      ++pos;
    } else {
      break;
    }
  }
  return version;
}

int CompareVersions(std::string_view a, std::string_view b) {
  const VersionNumber va = ReadVersion(a);
  const VersionNumber vb = ReadVersion(b);
  for (size_t i = 0; i < va.size(); ++i) {
    if (va[i] != vb[i]) return va[i] > vb[i] ? 1 : -1;
  }
  return 0;
}

}  // namespace cvn
