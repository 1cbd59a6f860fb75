// 8.3 names as Windows makes them for long file names.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace cvn::emulated {

// True when `name` already is an 8.3 name (any case): one to eight
// characters, an optional dot with one to three more, and no character that
// a short name cannot hold. Such a name gets no alternate name.
bool IsShortName(std::string_view name);

// The alternate name Windows gives `longName`: upper case, blanks and all
// dots but the last removed, + , ; = [ ] replaced by '_', the base cut so
// that "~n" fits in eight characters and the extension cut to three, with
// the smallest n from 1 up for which `taken` is false.
std::string MakeShortName(std::string_view longName,
                          const std::function<bool(const std::string&)>& taken);

}  // namespace cvn::emulated
