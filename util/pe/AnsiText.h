// UTF-16 texts of resources in the ANSI code page the program uses
// (Windows-1252), as WideCharToMultiByte(CP_ACP) makes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cvn::pe {

// Characters the code page lacks become '?'.
std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view text);

// One character of the code page; nothing where the code page lacks it.
// The five bytes Windows-1252 leaves undefined stand for U+0081 and the
// like, both ways, as Windows converts them.
std::optional<char> ToAnsiChar(char16_t c);
char16_t FromAnsiChar(char c);

// Appends the UTF-8 form of a code point up to U+10FFFF.
void AppendUtf8(std::string& out, uint32_t codePoint);

}  // namespace cvn::pe
