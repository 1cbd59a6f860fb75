// The text of an INI file as the profile calls see it: sections of keys,
// loaded and saved the way Wine's kernel32 does.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cvn::emulated {

class IniDocument {
 public:
  // A line of a section: "name=value", or a line without '=' (no value),
  // which is how comments and stray text are kept.
  struct Entry {
    std::string name;
    std::optional<std::string> value;
    int line = 0;  // 1-based line in the loaded text, 0 when added later
  };
  struct Section {
    std::string name;  // "" for the lines before the first section
    std::vector<Entry> entries;
    int line = 0;
  };

  IniDocument();
  // Lines end at CR or LF; blanks around each line, each name and each value
  // are dropped; "[name]" opens a section (up to its last ']').
  static IniDocument Parse(std::string_view text);
  // "[name]" and "name=value" lines with CR LF, without blank lines.
  std::string Text() const;

  const std::vector<Section>& Sections() const { return sections_; }

  // The first section named `section` and the first key `key` in it, both
  // compared without regard to case after trimming blanks.
  const Entry* Find(std::string_view section, std::string_view key) const;
  // The first section whose name equals `section` without regard to case.
  const Section* FindSection(std::string_view section) const;

  // Sets the value, creating the section and key at their ends when
  // missing; blanks around the names and the value are dropped. False when
  // nothing changed.
  bool Set(std::string_view section, std::string_view key, std::string_view value);
  // Adds a key at the end of the section even when one of that name exists
  // (lists such as the programs of machine.ini repeat a key).
  void Append(std::string_view section, std::string_view key, std::string_view value);
  // Removes the first key of that name in any section of that name.
  bool RemoveKey(std::string_view section, std::string_view key);
  // Removes the first section of that name.
  bool RemoveSection(std::string_view section);

 private:
  Entry* FindMutable(std::string_view section, std::string_view key);
  std::vector<Section> sections_;
};

}  // namespace cvn::emulated
