#include "resources/gen/StringTableParser.h"

#include <optional>
#include <set>
#include <utility>

namespace cvn::resources {
namespace {

constexpr int kMaxId = 65535;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsPrintable(char c) { return c >= 0x20 && c <= 0x7E; }
bool IsNameChar(char c) { return (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '_'; }

size_t SkipBlanks(std::string_view line, size_t pos) {
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  return pos;
}

// True when nothing but blanks and an optional // comment is left.
bool OnlyCommentFrom(std::string_view line, size_t pos) {
  pos = SkipBlanks(line, pos);
  return pos == line.size() || line.substr(pos).starts_with("//");
}

// A line that holds just `word`, maybe followed by a comment.
bool IsKeywordLine(std::string_view line, std::string_view word) {
  const size_t pos = SkipBlanks(line, 0);
  return line.substr(pos).starts_with(word) && OnlyCommentFrom(line, pos + word.size());
}

std::string Hex(unsigned char c) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {'0', 'x', kDigits[c >> 4], kDigits[c & 0xF]};
}

// Reads one `id, "text"` (or `id "text"`) line, as windres reads it, or
// one `NAMED(id, IDS_NAME), "text"` line, which windres reads as the same.
class EntryReader {
 public:
  explicit EntryReader(std::string_view line) : line_(line) {}

  std::optional<StringEntry> Read() {
    StringEntry entry;
    if (!ReadIdAndName(entry) || !ReadSeparator(entry.id) || !ReadText(entry.text) || !ReadEnd()) {
      return std::nullopt;
    }
    return entry;
  }

  const std::string& error() const { return error_; }

 private:
  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  bool ReadIdAndName(StringEntry& entry) {
    constexpr std::string_view kNamed = "NAMED(";
    pos_ = SkipBlanks(line_, pos_);
    if (!line_.substr(pos_).starts_with(kNamed)) return ReadId(entry.id);
    pos_ += kNamed.size();
    return ReadId(entry.id) && Expect(',') && ReadName(entry.name) && Expect(')');
  }

  bool Expect(char c) {
    pos_ = SkipBlanks(line_, pos_);
    if (pos_ == line_.size() || line_[pos_] != c)
      return Fail(std::string("expected '") + c + "' in NAMED(id, IDS_NAME)");
    pos_ = SkipBlanks(line_, pos_ + 1);
    return true;
  }

  // An id's name: IDS_ and capitals, digits or underscores.
  bool ReadName(std::string& name) {
    const size_t start = pos_;
    while (pos_ < line_.size() && IsNameChar(line_[pos_])) ++pos_;
    name = std::string(line_.substr(start, pos_ - start));
    if (!name.starts_with("IDS_") || name.size() == 4) {
      return Fail("a string's name is IDS_ followed by capitals, digits or underscores");
    }
    return true;
  }

  bool ReadId(int& id) {
    pos_ = SkipBlanks(line_, pos_);
    if (pos_ == line_.size() || !IsDigit(line_[pos_])) {
      return Fail("expected `id, \"text\"`, `NAMED(id, IDS_NAME), \"text\"` or END");
    }
    id = 0;
    while (pos_ < line_.size() && IsDigit(line_[pos_])) {
      id = id * 10 + (line_[pos_++] - '0');
      if (id > kMaxId) return Fail("string id above " + std::to_string(kMaxId));
    }
    return true;
  }

  // The comma between id and text is optional, as for windres.
  bool ReadSeparator(int id) {
    pos_ = SkipBlanks(line_, pos_);
    if (pos_ < line_.size() && line_[pos_] == ',') pos_ = SkipBlanks(line_, pos_ + 1);
    if (pos_ == line_.size() || line_[pos_] != '"') {
      return Fail("expected a quoted text after id " + std::to_string(id));
    }
    ++pos_;
    return true;
  }

  // The text up to its closing quote; "" is a quote, \t \n \\ are escapes.
  bool ReadText(std::string& text) {
    while (pos_ < line_.size()) {
      const char c = line_[pos_++];
      if (c == '"') {
        if (pos_ == line_.size() || line_[pos_] != '"') return true;
        text += '"';
        ++pos_;
      } else if (c == '\\') {
        if (!ReadEscape(text)) return false;
      } else if (IsPrintable(c)) {
        text += c;
      } else {
        return Fail("character " + Hex(static_cast<unsigned char>(c)) +
                    " in a text: only printable ASCII is allowed (write a tab as \\t)");
      }
    }
    return Fail("text not closed on its line");
  }

  bool ReadEnd() {
    return OnlyCommentFrom(line_, pos_) || Fail("unexpected text after the closing quote");
  }

  bool ReadEscape(std::string& text) {
    if (pos_ == line_.size()) return Fail("backslash at the end of the line");
    switch (const char c = line_[pos_++]; c) {
      case 't': text += '\t'; return true;
      case 'n': text += '\n'; return true;
      case '\\': text += '\\'; return true;
      default:
        return Fail(std::string("unsupported escape \\") + c +
                    " (only \\t, \\n, \\\\ and \"\" are understood)");
    }
  }

  std::string_view line_;
  size_t pos_ = 0;
  std::string error_;
};

// Walks the script line by line: before STRINGTABLE, between it and BEGIN,
// inside the block, after END.
class ScriptReader {
 public:
  ParsedStringTable Read(std::string_view script) {
    while (!script.empty() && error_.empty()) {
      const size_t end = script.find('\n');
      std::string_view line = script.substr(0, end);
      if (line.ends_with('\r')) line.remove_suffix(1);
      ++lineNumber_;
      ReadLine(line);
      script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    }
    if (error_.empty()) CheckComplete();
    if (!error_.empty()) return {{}, error_, lineNumber_};
    return {std::move(entries_), {}, 0};
  }

 private:
  enum class Place { BeforeTable, BeforeBegin, InBlock, AfterEnd };

  void Fail(const std::string& message) { error_ = message; }

  void ReadLine(std::string_view line) {
    if (OnlyCommentFrom(line, 0)) return;
    switch (place_) {
      case Place::BeforeTable:
        if (line == kNamedDefinition) {
          namedDefined_ = true;
        } else {
          Expect(line, "STRINGTABLE", Place::BeforeBegin);
        }
        return;
      case Place::BeforeBegin:
        Expect(line, "BEGIN", Place::InBlock);
        return;
      case Place::InBlock:
        if (IsKeywordLine(line, "END")) {
          place_ = Place::AfterEnd;
        } else {
          ReadEntry(line);
        }
        return;
      case Place::AfterEnd:
        Fail("nothing may follow the END of the string table");
        return;
    }
  }

  void Expect(std::string_view line, std::string_view keyword, Place next) {
    if (IsKeywordLine(line, keyword)) {
      place_ = next;
    } else {
      Fail("expected " + std::string(keyword));
    }
  }

  void ReadEntry(std::string_view line) {
    EntryReader reader(line);
    std::optional<StringEntry> entry = reader.Read();
    if (!entry) {
      Fail(reader.error());
    } else if (!entries_.empty() && entry->id <= entries_.back().id) {
      Fail("id " + std::to_string(entry->id) + " does not follow id " +
           std::to_string(entries_.back().id) + " (ids ascend, each once)");
    } else if (!entry->name.empty() && !namedDefined_) {
      Fail("NAMED is used before the script's `" + std::string(kNamedDefinition) + "`");
    } else if (!entry->name.empty() && !names_.insert(entry->name).second) {
      Fail("the name " + entry->name + " is given twice");
    } else {
      entries_.push_back(std::move(*entry));
    }
  }

  void CheckComplete() {
    if (place_ != Place::AfterEnd) {
      Fail(place_ == Place::InBlock ? "missing END" : "no STRINGTABLE block");
    } else if (entries_.empty()) {
      Fail("the string table holds no string");
    }
  }

  Place place_ = Place::BeforeTable;
  bool namedDefined_ = false;
  std::set<std::string> names_;
  int lineNumber_ = 0;
  std::vector<StringEntry> entries_;
  std::string error_;
};

}  // namespace

ParsedStringTable ParseStringTable(std::string_view script) {
  return ScriptReader().Read(script);
}

}  // namespace cvn::resources
