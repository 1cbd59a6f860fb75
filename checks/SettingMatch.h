// Judging a live setting value against the acceptable values of its item.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/Items.h"
#include "config/RunContext.h"

namespace cvn {

// A live value: its text, and for Registry data that is not a string its
// bytes, which are then the only thing compared.
struct LiveValue {
  std::string text;
  std::optional<platform::Bytes> data;

  bool IsBlank() const { return data ? data->empty() : text.empty(); }
};

enum class MatchResult { Accepted, Blank, NotAccepted };

// Tries the acceptable values in database order; the first that matches
// ends the search. A "*" met with a blank live value gives Blank.
MatchResult MatchSetting(RunContext& context, const SettingItem& item, const LiveValue& live);

// True when two path values name the same file: equal once expanded and
// without a trailing backslash, or with equal short paths and remainders.
bool SamePathValue(RunContext& context, std::string_view live, std::string_view acceptable);

}  // namespace cvn
