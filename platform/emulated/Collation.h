// lstrcmp's order in the user locale (a word sort): symbols come before
// digits and digits before letters; letters compare without regard to
// accents and case first, then an unaccented letter comes first, then a
// lower-case one; hyphens and apostrophes count only after that.
#pragma once

#include <string_view>

namespace cvn::emulated {

// <0, 0 or >0.
int CompareWords(std::string_view a, std::string_view b);

}  // namespace cvn::emulated
