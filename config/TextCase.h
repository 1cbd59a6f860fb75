// Letter case of ANSI text, by the rules of the platform's code page (as
// CharLowerA and CharUpperA treat it; Windows-1252 until UseCaseRules is
// given other rules). Names, keys, paths and values are compared without
// regard to case through these. The trail byte of a double-byte character
// is never changed, nor compared as a letter.
#pragma once

#include <string>
#include <string_view>

#include "platform/Strings.h"

namespace cvn {

// The rules of the code page every later call follows, for the process.
void UseCaseRules(const platform::CaseRules& rules);

// One byte on its own: for drive letters and location codes.
char ToLowerChar(char c);
char ToUpperChar(char c);
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace cvn
