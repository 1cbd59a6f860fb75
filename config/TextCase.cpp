#include "config/TextCase.h"

namespace cvn {

namespace {

// Windows-1252 pairs outside the two contiguous letter ranges.
constexpr struct {
  unsigned char upper;
  unsigned char lower;
} kOddPairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

bool IsUpperRange(unsigned char u) {
  return (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7);
}

bool IsLowerRange(unsigned char u) {
  return (u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7);
}

unsigned char Lower1252(unsigned char u) {
  if (IsUpperRange(u)) return static_cast<unsigned char>(u + 0x20);
  for (const auto& pair : kOddPairs) {
    if (u == pair.upper) return pair.lower;
  }
  return u;
}

unsigned char Upper1252(unsigned char u) {
  if (IsLowerRange(u)) return static_cast<unsigned char>(u - 0x20);
  for (const auto& pair : kOddPairs) {
    if (u == pair.lower) return pair.upper;
  }
  return u;
}

platform::CaseRules Windows1252() {
  platform::CaseRules rules;
  for (size_t byte = 0; byte < rules.lower.size(); ++byte) {
    rules.lower[byte] = Lower1252(static_cast<unsigned char>(byte));
    rules.upper[byte] = Upper1252(static_cast<unsigned char>(byte));
  }
  return rules;
}

platform::CaseRules& Rules() {
  static platform::CaseRules rules = Windows1252();
  return rules;
}

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// `text` with every byte mapped through `table`, except the trail byte of
// each double-byte character.
std::string Mapped(std::string_view text, const std::array<unsigned char, 256>& table) {
  const platform::CaseRules& rules = Rules();
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const unsigned char u = Byte(out[i]);
    if (rules.leadByte[u]) {
      ++i;
    } else {
      out[i] = static_cast<char>(table[u]);
    }
  }
  return out;
}

}  // namespace

void UseCaseRules(const platform::CaseRules& rules) { Rules() = rules; }

char ToLowerChar(char c) { return static_cast<char>(Rules().lower[Byte(c)]); }

char ToUpperChar(char c) { return static_cast<char>(Rules().upper[Byte(c)]); }

std::string ToLower(std::string_view text) { return Mapped(text, Rules().lower); }

std::string ToUpper(std::string_view text) { return Mapped(text, Rules().upper); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const platform::CaseRules& rules = Rules();
  for (size_t i = 0; i < a.size(); ++i) {
    const unsigned char u = Byte(a[i]);
    if (rules.leadByte[u]) {
      // A double-byte character matches only itself.
      if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1])) return false;
      ++i;
    } else if (rules.lower[u] != rules.lower[Byte(b[i])]) {
      return false;
    }
  }
  return true;
}

}  // namespace cvn
