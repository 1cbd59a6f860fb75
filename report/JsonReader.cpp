#include "report/JsonReader.h"

#include <charconv>
#include <cstdint>
#include <utility>

#include "util/pe/AnsiText.h"

namespace cvn {

namespace {

constexpr int kDeepestNesting = 64;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Document(JsonValue& value) {
    if (!Value(value, 0)) return false;
    SkipSpace();
    return pos_ == text_.size() || Fail("text after the value");
  }

  std::string error;

 private:
  bool Fail(const char* what) {
    if (error.empty()) error = std::string(what) + " at byte " + std::to_string(pos_);
    return false;
  }

  // The two scans below walk raw pointers: they see every byte of a report.
  void SkipSpace() {
    const char* p = text_.data() + pos_;
    const char* const end = text_.data() + text_.size();
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r')) ++p;
    pos_ = static_cast<size_t>(p - text_.data());
  }

  bool Literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return Fail("an unknown word");
    pos_ += word.size();
    return true;
  }

  bool Value(JsonValue& value, int depth) {
    if (depth > kDeepestNesting) return Fail("nesting too deep");
    SkipSpace();
    if (pos_ >= text_.size()) return Fail("the text ends before a value");
    switch (text_[pos_]) {
      case '{':
        value.kind = JsonValue::Kind::Object;
        return Object(value, depth);
      case '[':
        value.kind = JsonValue::Kind::Array;
        return Array(value, depth);
      case '"':
        value.kind = JsonValue::Kind::String;
        return String(value.text);
      case 't':
        value.kind = JsonValue::Kind::Bool;
        value.boolean = true;
        return Literal("true");
      case 'f':
        value.kind = JsonValue::Kind::Bool;
        return Literal("false");
      case 'n':
        return Literal("null");
      default:
        value.kind = JsonValue::Kind::Number;
        return Number(value.number);
    }
  }

  // After an element: true with `more` set for a comma, clear for `close`.
  bool Next(char close, bool& more) {
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == ',') {
      ++pos_;
      more = true;
      return true;
    }
    if (pos_ < text_.size() && text_[pos_] == close) {
      ++pos_;
      more = false;
      return true;
    }
    return Fail("a missing comma or bracket");
  }

  bool Opened(char close) {
    ++pos_;
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == close) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool Array(JsonValue& value, int depth) {
    if (Opened(']')) return true;
    for (bool more = true; more;) {
      value.items.emplace_back();
      if (!Value(value.items.back(), depth + 1) || !Next(']', more)) return false;
    }
    return true;
  }

  bool Object(JsonValue& value, int depth) {
    if (Opened('}')) return true;
    for (bool more = true; more;) {
      SkipSpace();
      std::string name;
      if (pos_ >= text_.size() || text_[pos_] != '"' || !String(name)) return Fail("a missing member name");
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != ':') return Fail("a missing colon");
      ++pos_;
      value.members.push_back({std::move(name), JsonValue{}});
      if (!Value(value.members.back().value, depth + 1) || !Next('}', more)) return false;
    }
    return true;
  }

  bool Hex4(uint32_t& code) {
    if (text_.size() - pos_ < 4) return Fail("a short \\u escape");
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (digit < 0) return Fail("a bad \\u escape");
      code = code * 16 + static_cast<uint32_t>(digit);
    }
    return true;
  }

  // A \u escape, joining a surrogate pair; a lone surrogate becomes U+FFFD.
  bool Unicode(std::string& out) {
    uint32_t code = 0;
    if (!Hex4(code)) return false;
    if (code >= 0xD800 && code < 0xDC00 && text_.substr(pos_, 2) == "\\u") {
      const size_t mark = pos_;
      pos_ += 2;
      uint32_t low = 0;
      if (!Hex4(low)) return false;
      if (low >= 0xDC00 && low < 0xE000) {
        pe::AppendUtf8(out, 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00));
        return true;
      }
      pos_ = mark;
    }
    pe::AppendUtf8(out, code >= 0xD800 && code < 0xE000 ? 0xFFFD : code);
    return true;
  }

  bool Escape(std::string& out) {
    if (pos_ >= text_.size()) return Fail("the text ends inside a string");
    const char c = text_[pos_++];
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out += c;
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'u':
        return Unicode(out);
      default:
        return Fail("an unknown escape");
    }
  }

  // Plain runs are copied whole: reports are mostly such text.
  bool String(std::string& out) {
    ++pos_;  // the opening quote
    while (pos_ < text_.size()) {
      const char* const run = text_.data() + pos_;
      const char* const end = text_.data() + text_.size();
      const char* p = run;
      while (p < end && *p != '"' && *p != '\\' && static_cast<unsigned char>(*p) >= 0x20) ++p;
      out.append(run, static_cast<size_t>(p - run));
      pos_ = static_cast<size_t>(p - text_.data());
      if (pos_ >= text_.size()) break;
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (c != '\\') return Fail("a control character in a string");
      if (!Escape(out)) return false;
    }
    return Fail("the text ends inside a string");
  }

  bool Number(double& number) {
    const size_t start = pos_;
    const auto digits = [&] {
      const size_t from = pos_;
      while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
      return pos_ > from;
    };
    if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
    const size_t integer = pos_;
    if (!digits()) return Fail("an unexpected character");
    if (text_[integer] == '0' && pos_ - integer > 1) return Fail("a number with a leading zero");
    if (pos_ < text_.size() && text_[pos_] == '.' && (++pos_, !digits())) return Fail("a number without decimals");
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (!digits()) return Fail("a number without an exponent");
    }
    const auto result = std::from_chars(text_.data() + start, text_.data() + pos_, number);
    return result.ec == std::errc() || Fail("a number out of range");
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
  for (const auto& [key, value] : members) {
    if (key == name) return &value;
  }
  return nullptr;
}

std::string_view JsonValue::TextOf(std::string_view name) const {
  const JsonValue* value = Find(name);
  return value != nullptr && value->kind == Kind::String ? std::string_view(value->text) : std::string_view();
}

double JsonValue::NumberOf(std::string_view name, double fallback) const {
  const JsonValue* value = Find(name);
  return value != nullptr && value->kind == Kind::Number ? value->number : fallback;
}

std::optional<JsonValue> ParseJson(std::string_view text, std::string& error) {
  Parser parser(text);
  JsonValue value;
  if (!parser.Document(value)) {
    error = parser.error;
    return std::nullopt;
  }
  return value;
}

}  // namespace cvn
