// The text of an INI file as the profile calls see it: sections of keys,
// loaded and saved the way Wine's kernel32 does. The profile calls hold the
// text as UTF-16, as Windows NT does (WideIniDocument); the fact files of a
// machine image are read as bytes (IniDocument).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cvn::emulated {

template <class Char>
class BasicIniDocument {
 public:
  using String = std::basic_string<Char>;
  using View = std::basic_string_view<Char>;

  // A line of a section: "name=value", or a line without '=' (no value),
  // which is how comments and stray text are kept.
  struct Entry {
    String name;
    std::optional<String> value;
    int line = 0;  // 1-based line in the loaded text, 0 when added later
  };
  struct Section {
    String name;  // empty for the lines before the first section
    std::vector<Entry> entries;
    int line = 0;
  };

  BasicIniDocument();
  // Lines end at CR or LF; blanks around each line, each name and each value
  // are dropped; "[name]" opens a section (up to its last ']').
  static BasicIniDocument Parse(View text);
  // "[name]" and "name=value" lines with CR LF, without blank lines.
  String Text() const;

  const std::vector<Section>& Sections() const { return sections_; }

  // The first section named `section` and the first key `key` in it, both
  // compared without regard to case after trimming blanks.
  const Entry* Find(View section, View key) const;
  // The first section whose name equals `section` without regard to case.
  const Section* FindSection(View section) const;

  // Sets the value, creating the section and key at their ends when
  // missing; blanks around the names and the value are dropped. False when
  // nothing changed.
  bool Set(View section, View key, View value);
  // Adds a key at the end of the section even when one of that name exists
  // (lists such as the programs of machine.ini repeat a key).
  void Append(View section, View key, View value);
  // Removes the first key of that name in any section of that name.
  bool RemoveKey(View section, View key);
  // Removes the first section of that name.
  bool RemoveSection(View section);

 private:
  Entry* FindMutable(View section, View key);
  std::vector<Section> sections_;
};

extern template class BasicIniDocument<char>;
extern template class BasicIniDocument<char16_t>;

using IniDocument = BasicIniDocument<char>;
using WideIniDocument = BasicIniDocument<char16_t>;

}  // namespace cvn::emulated
