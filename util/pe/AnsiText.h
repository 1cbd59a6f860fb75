// UTF-16 texts of resources in the ANSI code page the program uses
// (Windows-1252), as WideCharToMultiByte(CP_ACP) makes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cvn::pe {

// Characters the code page lacks become '?'.
std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view text);

// Appends the UTF-8 form of a code point up to U+10FFFF.
void AppendUtf8(std::string& out, uint32_t codePoint);

}  // namespace cvn::pe
