// A small JSON reader for the reports a fleet sends back: it takes any
// bytes and gives either the whole document or the reason it is not JSON.
// Nesting is limited, so a hostile file cannot exhaust the stack.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cvn {

struct JsonMember;

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;  // a string's value, in UTF-8
  std::vector<JsonValue> items;
  // A named struct rather than std::pair: a pair may not hold the type
  // that is still being defined.
  std::vector<JsonMember> members;

  // The member `name` of an object; null when absent or not an object.
  const JsonValue* Find(std::string_view name) const;
  // The member's string, or empty when it is absent or no string.
  std::string_view TextOf(std::string_view name) const;
  // The member's number, or `fallback` when it is absent or no number.
  double NumberOf(std::string_view name, double fallback) const;
};

struct JsonMember {
  std::string name;
  JsonValue value;
};

// Nothing, with `error` set (and the byte offset in it), for text that is
// not one JSON value with only white space around it.
std::optional<JsonValue> ParseJson(std::string_view text, std::string& error);

}  // namespace cvn
