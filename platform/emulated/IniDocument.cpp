#include "platform/emulated/IniDocument.h"

#include <algorithm>

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

template <class Char>
std::basic_string_view<Char> TrimLeft(std::basic_string_view<Char> text) {
  while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
  return text;
}

// A line opening a section: the text between '[' and the last ']'.
template <class Char>
std::optional<std::basic_string_view<Char>> SectionHeader(std::basic_string_view<Char> line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.rfind(Char(']'));
  if (close == line.npos) return std::nullopt;
  return TrimIni(line.substr(1, close - 1));
}

template <class Char>
typename BasicIniDocument<Char>::Entry ParseEntry(std::basic_string_view<Char> line, int lineNumber) {
  typename BasicIniDocument<Char>::Entry entry;
  entry.line = lineNumber;
  const size_t equals = line.find(Char('='));
  if (equals == line.npos) {
    entry.name = std::basic_string<Char>(line);
    return entry;
  }
  entry.name = std::basic_string<Char>(TrimIni(line.substr(0, equals)));
  entry.value = std::basic_string<Char>(TrimLeft(line.substr(equals + 1)));
  return entry;
}

// Appends plain ASCII text to a text of either width.
template <class Char>
void AppendAscii(std::basic_string<Char>& text, std::string_view ascii) {
  text.append(ascii.begin(), ascii.end());
}

}  // namespace

template <class Char>
BasicIniDocument<Char>::BasicIniDocument() {
  sections_.emplace_back();
}

template <class Char>
BasicIniDocument<Char> BasicIniDocument<Char>::Parse(View text) {
  BasicIniDocument doc;
  int lineNumber = 1;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    const View line = TrimIni(text.substr(pos, end - pos));
    const int thisLine = lineNumber;
    // Runs of CR and LF end one line; lines are numbered by their LFs.
    pos = end;
    while (pos < text.size() && (text[pos] == '\n' || text[pos] == '\r')) {
      if (text[pos++] == '\n') ++lineNumber;
    }
    if (line.empty()) continue;
    if (const auto header = SectionHeader(line)) {
      doc.sections_.push_back(Section{String(*header), {}, thisLine});
      continue;
    }
    Entry entry = ParseEntry(line, thisLine);
    auto& entries = doc.sections_.back().entries;
    // A run of lines with an empty name keeps only the first.
    if (!entry.name.empty() || entries.empty() || !entries.back().name.empty()) {
      entries.push_back(std::move(entry));
    }
  }
  return doc;
}

template <class Char>
typename BasicIniDocument<Char>::String BasicIniDocument<Char>::Text() const {
  String text;
  for (const auto& section : sections_) {
    if (!section.name.empty()) {
      AppendAscii(text, "[");
      text += section.name;
      AppendAscii(text, "]\r\n");
    }
    for (const auto& entry : section.entries) {
      text += entry.name;
      if (entry.value) {
        AppendAscii(text, "=");
        text += *entry.value;
      }
      AppendAscii(text, "\r\n");
    }
  }
  return text;
}

template <class Char>
const typename BasicIniDocument<Char>::Section* BasicIniDocument<Char>::FindSection(View section) const {
  for (const auto& s : sections_) {
    if (EqualsNoCase(s.name, section)) return &s;
  }
  return nullptr;
}

template <class Char>
const typename BasicIniDocument<Char>::Entry* BasicIniDocument<Char>::Find(View section, View key) const {
  return const_cast<BasicIniDocument*>(this)->FindMutable(section, key);
}

template <class Char>
typename BasicIniDocument<Char>::Entry* BasicIniDocument<Char>::FindMutable(View section, View key) {
  section = TrimIni(section);
  key = TrimIni(key);
  for (auto& s : sections_) {
    if (!EqualsNoCase(s.name, section)) continue;
    // Only the first section of the name is searched, as Windows does.
    for (auto& entry : s.entries) {
      if (EqualsNoCase(entry.name, key)) return &entry;
    }
    return nullptr;
  }
  return nullptr;
}

template <class Char>
bool BasicIniDocument<Char>::Set(View section, View key, View value) {
  value = TrimIni(value);
  if (Entry* entry = FindMutable(section, key)) {
    if (entry->value && *entry->value == value) return false;
    entry->value = String(value);
    return true;
  }
  Append(section, key, value);
  return true;
}

template <class Char>
void BasicIniDocument<Char>::Append(View section, View key, View value) {
  section = TrimIni(section);
  auto it = std::find_if(sections_.begin(), sections_.end(),
                         [&](const Section& s) { return EqualsNoCase(s.name, section); });
  if (it == sections_.end()) {
    sections_.push_back(Section{String(section), {}, 0});
    it = std::prev(sections_.end());
  }
  it->entries.push_back(Entry{String(TrimIni(key)), String(TrimIni(value)), 0});
}

template <class Char>
bool BasicIniDocument<Char>::RemoveKey(View section, View key) {
  for (auto& s : sections_) {
    if (!EqualsNoCase(s.name, section)) continue;
    auto it = std::find_if(s.entries.begin(), s.entries.end(),
                           [&](const Entry& e) { return EqualsNoCase(e.name, key); });
    if (it != s.entries.end()) {
      s.entries.erase(it);
      return true;
    }
  }
  return false;
}

template <class Char>
bool BasicIniDocument<Char>::RemoveSection(View section) {
  auto it = std::find_if(sections_.begin(), sections_.end(),
                         [&](const Section& s) { return EqualsNoCase(s.name, section); });
  if (it == sections_.end()) return false;
  if (it == sections_.begin()) {
    it->entries.clear();  // the unnamed lines before the first section stay a section
  } else {
    sections_.erase(it);
  }
  return true;
}

template class BasicIniDocument<char>;
template class BasicIniDocument<char16_t>;

}  // namespace cvn::emulated
