// The field tokenizer of database entries (and of .fdb and .udb lines): a
// cursor over one entry's text. Every reader starts at the cursor and leaves
// it after the token and after the separator that follows; none reads past
// the end of the entry.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "config/Guid.h"

namespace cvn {

// Accepted and rejected versions of a file entry.
struct VersionLists {
  std::vector<std::string> accepted;
  std::vector<std::string> rejected;
};

// The expected values of a setting: the elements and the whole field.
struct ValueList {
  std::vector<std::string> values;
  std::string text;
};

// Where a reader found its token in the entry: from the token's first
// character to just after its last, the separator after it excluded (a
// value list's span takes in that separator; a version list's runs from
// the cursor to where the list stops).
struct FieldSpan {
  size_t begin = 0;
  size_t end = 0;
};

// Turns a path in location notation into the form a value list keeps.
using PathResolver = std::function<std::string(const std::string&)>;

// The C library's white space: space, tab, CR, LF, vertical tab, form feed.
bool IsBlank(char c);

class EntryReader {
 public:
  explicit EntryReader(std::string_view entry) : text_(entry) {}

  // Up to the first '=' (trailing blanks dropped), then past the '='.
  std::string ReadKey();
  // Everything left, leading blanks skipped.
  std::string ReadRest();
  // A quoted text, or the text up to the next ','.
  std::string ReadField();
  // The longest run of file-name characters.
  std::string ReadName();
  // The first character of the field: ',' when it is empty, '\0' at the end.
  char ReadCode();
  // True when the field starts with one of 1 T Y t y.
  bool ReadFlag();
  // A GUID in braces; the all-zero GUID when the field is empty.
  Guid ReadGuid();
  // The rest of the entry as version tokens; "-4.0" is a rejected version.
  VersionLists ReadVersionList();
  // One value or a list in [ ] or { }; path-like values go through `resolve`.
  ValueList ReadValueList(const PathResolver& resolve);

  bool AtEnd() const { return pos_ >= text_.size(); }
  size_t Position() const { return pos_; }

  // Every reader called from now on adds the span of its token to `spans`
  // (for tools that point at a field; the loader does not ask).
  void NoteSpansIn(std::vector<FieldSpan>* spans) { spans_ = spans; }

 private:
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void SkipBlanks();
  void SkipSeparator();
  // Moves to the next character in `stops` (or the end); returns what it passed.
  std::string_view TakeUntil(std::string_view stops);
  std::string ReadListElement();
  std::string FinishValueText(size_t start, const PathResolver& resolve) const;
  void NoteSpan(size_t begin, size_t end) {
    if (spans_ != nullptr) spans_->push_back({begin, end});
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::vector<FieldSpan>* spans_ = nullptr;
};

// Drops the backslash of every \" pair; other backslashes stay.
std::string UnescapeQuotes(std::string_view text);

}  // namespace cvn
