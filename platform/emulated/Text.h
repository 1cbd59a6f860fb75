// Text helpers of the emulated machine: Windows compares names without
// regard to case in the ANSI code page (Windows-1252 here).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cvn::emulated {

char UpperChar(char c);
char LowerChar(char c);
// A UTF-16 character by the same rules: those the code page lacks keep
// their case.
char16_t UpperChar(char16_t c);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);
// <0, 0 or >0 comparing the upper-cased bytes, as the file system orders names.
int CompareNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// The blanks of INI and fact files: tab to carriage return, ^Z and space.
bool IsIniSpace(char c);
bool IsIniSpace(char16_t c);
std::string_view TrimIni(std::string_view text);
std::u16string_view TrimIni(std::u16string_view text);

// A decimal number, or hexadecimal after "0x"; nothing for anything else.
std::optional<uint64_t> ParseUnsigned(std::string_view text);
std::optional<int64_t> ParseSigned(std::string_view text);
// "yes"/"no", "true"/"false", "1"/"0".
std::optional<bool> ParseFlag(std::string_view text);

std::string HexByte(uint8_t value);

}  // namespace cvn::emulated
