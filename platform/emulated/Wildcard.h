// The wildcards of FindFirstFile in the last name of a pattern.
#pragma once

#include <string_view>

namespace cvn::emulated {

// Without regard to case: '*' matches any run of characters (dots too), '?'
// exactly one; "*.*" means "*"; a pattern ending in dots also matches the
// same pattern without them when the name has no dot ("*." matches names
// without an extension).
bool MatchesPattern(std::string_view pattern, std::string_view name);

}  // namespace cvn::emulated
