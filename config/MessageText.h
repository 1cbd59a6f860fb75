// Fills the printf-style formats of the string table ("Unable to open
// Configuration Database file '%s'.") with texts the caller has already
// formatted. Unlike printf, a format with more conversions than arguments,
// or of another kind, cannot read past what was given.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "platform/Strings.h"

namespace cvn {

// Each conversion (%s, %d, %lu, %c, ... with flags, width and precision)
// takes the next argument as text; width pads it ('-' to the left side,
// '0' with zeros), precision cuts a %s; "%%" is a percent sign. Missing
// arguments are empty.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);
std::string FormatText(std::string_view format, std::span<const std::string_view> args);

// The string table text `id` filled with `args`.
std::string LoadText(platform::Strings& texts, int id,
                     std::initializer_list<std::string_view> args = {});

}  // namespace cvn
