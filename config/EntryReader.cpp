#include "config/EntryReader.h"

#include "config/PathSpec.h"

namespace cvn {

namespace {

bool IsLetterOrDigit(char c) {
  const auto u = static_cast<unsigned char>(c);
  // Bytes above 127 are letters of the code page or parts of multi-byte
  // characters; both belong to names.
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || u >= 0x80;
}

bool IsNameChar(char c) {
  static constexpr std::string_view kPunctuation = " @!#$%&'()+-.;=[]^_`~";
  return IsLetterOrDigit(c) || kPunctuation.find(c) != std::string_view::npos;
}

bool IsVersionChar(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-'; }

std::string_view TrimTrailing(std::string_view text, std::string_view drop) {
  while (!text.empty() && drop.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
  return text;
}

constexpr std::string_view kBlanks = " \t\n\v\f\r";

}  // namespace

bool IsBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

std::string UnescapeQuotes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '"') continue;
    out += text[i];
  }
  return out;
}

void EntryReader::SkipBlanks() {
  while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
}

void EntryReader::SkipSeparator() {
  SkipBlanks();
  if (Peek() == ',') {
    ++pos_;
    SkipBlanks();
  }
}

std::string_view EntryReader::TakeUntil(std::string_view stops) {
  const size_t start = pos_;
  while (!AtEnd() && stops.find(text_[pos_]) == std::string_view::npos) ++pos_;
  return text_.substr(start, pos_ - start);
}

std::string EntryReader::ReadKey() {
  SkipBlanks();
  const size_t start = pos_;
  const std::string_view key = TrimTrailing(TakeUntil("="), kBlanks);
  NoteSpan(start, start + key.size());
  SkipBlanks();
  if (Peek() == '=') ++pos_;
  SkipBlanks();
  return std::string(key);
}

std::string EntryReader::ReadRest() {
  SkipBlanks();
  const std::string_view rest = text_.substr(pos_);
  NoteSpan(pos_, text_.size());
  pos_ = text_.size();
  return std::string(rest);
}

std::string EntryReader::ReadField() {
  SkipBlanks();
  const size_t start = pos_;
  std::string field;
  if (Peek() == '"') {
    ++pos_;
    field = TakeUntil("\"");
    if (!AtEnd()) ++pos_;
  } else {
    field = TakeUntil(",");
  }
  NoteSpan(start, pos_);
  SkipSeparator();
  return field;
}

std::string EntryReader::ReadName() {
  SkipBlanks();
  const size_t start = pos_;
  while (!AtEnd() && IsNameChar(text_[pos_])) ++pos_;
  std::string name(text_.substr(start, pos_ - start));
  NoteSpan(start, pos_);
  SkipSeparator();
  return name;
}

char EntryReader::ReadCode() {
  SkipBlanks();
  const size_t start = pos_;
  const char code = Peek();
  while (!AtEnd() && text_[pos_] != ',' && !IsBlank(text_[pos_])) ++pos_;
  NoteSpan(start, pos_);
  SkipSeparator();
  return code;
}

bool EntryReader::ReadFlag() {
  const char code = ReadCode();
  return std::string_view("1TYty").find(code) != std::string_view::npos;
}

Guid EntryReader::ReadGuid() {
  SkipBlanks();
  const size_t start = pos_;
  TakeUntil("}");
  if (!AtEnd()) ++pos_;
  const std::string_view field = text_.substr(start, pos_ - start);
  NoteSpan(start, pos_);
  SkipSeparator();
  return field.empty() ? Guid{} : ParseGuid(field);
}

VersionLists EntryReader::ReadVersionList() {
  VersionLists lists;
  // Both passes walk the same tokens; a character that is neither part of
  // a token nor a separator ends the list.
  size_t pos = pos_;
  while (pos < text_.size()) {
    const char c = text_[pos];
    if (IsBlank(c) || c == ',') {
      ++pos;
      continue;
    }
    if (!IsVersionChar(c)) break;
    const size_t start = pos;
    while (pos < text_.size() && IsVersionChar(text_[pos])) ++pos;
    const std::string_view token = text_.substr(start, pos - start);
    if (token.front() == '-') {
      lists.rejected.emplace_back(token.substr(1));
    } else {
      lists.accepted.emplace_back(token);
    }
  }
  NoteSpan(pos_, pos);
  pos_ = text_.size();
  return lists;
}

std::string EntryReader::ReadListElement() {
  SkipBlanks();
  if (Peek() != '"') return std::string(TrimTrailing(TakeUntil(",]}"), kBlanks));
  ++pos_;
  const size_t start = pos_;
  while (!AtEnd() && text_[pos_] != '"') {
    // A backslash makes the next character part of the element.
    pos_ += (text_[pos_] == '\\' && pos_ + 1 < text_.size()) ? 2 : 1;
  }
  std::string element(text_.substr(start, pos_ - start));
  if (!AtEnd()) ++pos_;
  return element;
}

std::string EntryReader::FinishValueText(size_t start, const PathResolver& resolve) const {
  const std::string_view field = TrimTrailing(text_.substr(start, pos_ - start), " \t\n\v\f\r,");
  std::string text = UnescapeQuotes(field);
  if (text.size() > 1 && text.front() == '"') text = text.substr(1, text.size() - 2);
  return LooksLikePath(text) ? resolve(text) : text;
}

ValueList EntryReader::ReadValueList(const PathResolver& resolve) {
  ValueList list;
  SkipBlanks();
  const size_t start = pos_;
  const bool isList = Peek() == '[' || Peek() == '{';
  if (isList) ++pos_;
  while (true) {
    const std::string element = ReadListElement();
    SkipSeparator();
    if (!element.empty()) {
      std::string value = UnescapeQuotes(element);
      list.values.push_back(LooksLikePath(value) ? resolve(value) : std::move(value));
    }
    if (!isList || AtEnd()) break;
    if (Peek() == ']' || Peek() == '}') {
      ++pos_;
      SkipSeparator();
      break;
    }
  }
  list.text = FinishValueText(start, resolve);
  NoteSpan(start, pos_);
  return list;
}

}  // namespace cvn
