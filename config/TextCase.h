// Letter case of ANSI (Windows-1252) text, as CharLowerA and CharUpperA
// treat it. Names, keys, paths and values are compared without regard to
// case through these.
#pragma once

#include <string>
#include <string_view>

namespace cvn {

char ToLowerChar(char c);
char ToUpperChar(char c);
std::string ToLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace cvn
