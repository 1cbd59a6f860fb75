#include "report/JsonWriter.h"

namespace cvn {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
// Overlong forms, surrogates and code points above U+10FFFF are invalid.
size_t ValidSequence(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

void AppendEscape(std::string& out, unsigned code) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\u00";
  out += kHex[(code >> 4) & 0xF];
  out += kHex[code & 0xF];
}

// The C1 controls U+0080..U+009F are two bytes, C2 80..C2 9F.
bool IsC1Control(std::string_view sequence) {
  return sequence.size() == 2 && static_cast<unsigned char>(sequence[0]) == 0xC2 &&
         static_cast<unsigned char>(sequence[1]) < 0xA0;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
  size_t i = 0;
  while (i < utf8.size()) {
    const size_t length = ValidSequence(utf8.substr(i));
    if (length == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    const std::string_view sequence = utf8.substr(i, length);
    i += length;
    const auto c = static_cast<unsigned char>(sequence[0]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      AppendEscape(out, c);
    } else if (IsC1Control(sequence)) {
      AppendEscape(out, static_cast<unsigned char>(sequence[1]));
    } else {
      out += sequence;
    }
  }
}

void JsonWriter::NewLine() {
  out_ += '\n';
  out_.append(2 * hasMembers_.size(), ' ');
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (hasMembers_.empty()) return;
  if (hasMembers_.back()) out_ += ',';
  hasMembers_.back() = true;
  NewLine();
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  out_ += '"';
  AppendJsonString(out_, name);
  out_ += "\": ";
  afterKey_ = true;
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_ += bracket;
  hasMembers_.push_back(false);
}

void JsonWriter::Close(char bracket) {
  const bool hadMembers = !hasMembers_.empty() && hasMembers_.back();
  if (!hasMembers_.empty()) hasMembers_.pop_back();
  if (hadMembers) NewLine();
  out_ += bracket;
  if (hasMembers_.empty()) out_ += '\n';
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  out_ += '"';
  AppendJsonString(out_, utf8);
  out_ += '"';
}

void JsonWriter::Number(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

}  // namespace cvn
