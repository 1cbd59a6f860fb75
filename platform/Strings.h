// The numbered texts of the string table (LoadString), the letter case of
// the ANSI code page that the texts and every name are in, and the
// conversion of those texts for formats that are read elsewhere.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace cvn::platform {

// The letter case of the ANSI code page, byte by byte (CharLowerBuff and
// CharUpperBuff of one byte). A lead byte begins a double-byte character:
// its trail byte belongs to that character and is no letter of its own.
struct CaseRules {
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};
  std::array<bool, 256> leadByte{};
};

class Strings {
 public:
  virtual ~Strings() = default;
  // The text of string `id`, or empty when the table has none.
  virtual std::string Load(int id) = 0;
  // `ansi`, read in the machine's ANSI code page, as UTF-8. Every byte
  // sequence gives valid UTF-8.
  virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
  virtual CaseRules LetterCase() = 0;
};

}  // namespace cvn::platform
