// The numbered texts of the string table (LoadString), and the letter case
// of the ANSI code page that the texts and every name are in.
#pragma once

#include <array>
#include <string>

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
  virtual CaseRules LetterCase() = 0;
};

}  // namespace cvn::platform
