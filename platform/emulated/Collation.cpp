#include "platform/emulated/Collation.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

// Symbols in the order the Windows sort tables give them.
constexpr std::string_view kSymbolOrder = " !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";

bool IsIgnoredInWordSort(char c) { return c == '-' || c == '\''; }

// The letters of Windows-1252 0xC0-0xFF without their accents ('.' where
// the character is not a letter).
constexpr std::string_view kBaseLetters = "AAAAAAACEEEEIIIIDNOOOOO.OUUUUYTSAAAAAAACEEEEIIIIDNOOOOO.OUUUUYTY";

char BaseLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u < 0xC0 || kBaseLetters[u - 0xC0] == '.') return UpperChar(c);
  return kBaseLetters[u - 0xC0];
}

// The first-level weight of a character: accents and case do not count.
int Weight(char c) {
  const auto u = static_cast<unsigned char>(BaseLetter(c));
  if (u >= '0' && u <= '9') return 0x200 + u;
  if ((u >= 'A' && u <= 'Z') || u >= 0x80) return 0x300 + u;
  const size_t symbol = kSymbolOrder.find(static_cast<char>(u));
  return symbol == std::string_view::npos ? u : 0x100 + static_cast<int>(symbol);
}

int Sign(int value) { return (value > 0) - (value < 0); }

std::string WithoutIgnored(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (!IsIgnoredInWordSort(c)) out += c;
  }
  return out;
}

int ComparePrimary(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (Weight(a[i]) != Weight(b[i])) return Sign(Weight(a[i]) - Weight(b[i]));
  }
  return Sign(static_cast<int>(a.size()) - static_cast<int>(b.size()));
}

// An unaccented letter before an accented one.
int CompareAccents(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const bool accentA = BaseLetter(a[i]) != UpperChar(a[i]);
    const bool accentB = BaseLetter(b[i]) != UpperChar(b[i]);
    if (accentA != accentB) return accentA ? 1 : -1;
  }
  return 0;
}

int CompareCase(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const bool lowerA = UpperChar(a[i]) != a[i];
    const bool lowerB = UpperChar(b[i]) != b[i];
    if (lowerA != lowerB) return lowerA ? -1 : 1;
  }
  return 0;
}

// The hyphens and apostrophes with their places: a text without any comes
// first, and one comes later the earlier it stands.
int CompareIgnored(std::string_view a, std::string_view b) {
  std::vector<std::pair<size_t, char>> ia, ib;
  for (size_t i = 0; i < a.size(); ++i) {
    if (IsIgnoredInWordSort(a[i])) ia.emplace_back(i, a[i]);
  }
  for (size_t i = 0; i < b.size(); ++i) {
    if (IsIgnoredInWordSort(b[i])) ib.emplace_back(i, b[i]);
  }
  for (size_t i = 0; i < ia.size() && i < ib.size(); ++i) {
    if (ia[i].first != ib[i].first) return ia[i].first > ib[i].first ? -1 : 1;
    if (ia[i].second != ib[i].second) return ia[i].second < ib[i].second ? -1 : 1;
  }
  return Sign(static_cast<int>(ia.size()) - static_cast<int>(ib.size()));
}

}  // namespace

int CompareWords(std::string_view a, std::string_view b) {
  // The levels of a Windows sort key: letters and digits, accents, case,
  // then the hyphens and apostrophes the word sort set aside.
  const std::string plainA = WithoutIgnored(a);
  const std::string plainB = WithoutIgnored(b);
  if (const int primary = ComparePrimary(plainA, plainB)) return primary;
  if (const int accents = CompareAccents(plainA, plainB)) return accents;
  if (const int byCase = CompareCase(plainA, plainB)) return byCase;
  return CompareIgnored(a, b);
}

}  // namespace cvn::emulated
