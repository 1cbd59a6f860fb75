#include "platform/emulated/IniDocument.h"

#include <algorithm>

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
  return text;
}

// A line opening a section: the text between '[' and the last ']'.
std::optional<std::string_view> SectionHeader(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimIni(line.substr(1, close - 1));
}

IniDocument::Entry ParseEntry(std::string_view line, int lineNumber) {
  IniDocument::Entry entry;
  entry.line = lineNumber;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    entry.name = std::string(line);
    return entry;
  }
  entry.name = std::string(TrimIni(line.substr(0, equals)));
  entry.value = std::string(TrimLeft(line.substr(equals + 1)));
  return entry;
}

}  // namespace

IniDocument::IniDocument() { sections_.emplace_back(); }

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  int lineNumber = 1;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    const std::string_view line = TrimIni(text.substr(pos, end - pos));
    const int thisLine = lineNumber;
    // Runs of CR and LF end one line; lines are numbered by their LFs.
    pos = end;
    while (pos < text.size() && (text[pos] == '\n' || text[pos] == '\r')) {
      if (text[pos++] == '\n') ++lineNumber;
    }
    if (line.empty()) continue;
    if (const auto header = SectionHeader(line)) {
      doc.sections_.push_back(Section{std::string(*header), {}, thisLine});
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

std::string IniDocument::Text() const {
  std::string text;
  for (const auto& section : sections_) {
    if (!section.name.empty()) text += "[" + section.name + "]\r\n";
    for (const auto& entry : section.entries) {
      text += entry.name;
      if (entry.value) text += "=" + *entry.value;
      text += "\r\n";
    }
  }
  return text;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view section) const {
  for (const auto& s : sections_) {
    if (EqualsNoCase(s.name, section)) return &s;
  }
  return nullptr;
}

const IniDocument::Entry* IniDocument::Find(std::string_view section, std::string_view key) const {
  return const_cast<IniDocument*>(this)->FindMutable(section, key);
}

IniDocument::Entry* IniDocument::FindMutable(std::string_view section, std::string_view key) {
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

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  value = TrimIni(value);
  if (Entry* entry = FindMutable(section, key)) {
    if (entry->value && *entry->value == value) return false;
    entry->value = std::string(value);
    return true;
  }
  Append(section, key, value);
  return true;
}

void IniDocument::Append(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimIni(section);
  auto it = std::find_if(sections_.begin(), sections_.end(),
                         [&](const Section& s) { return EqualsNoCase(s.name, section); });
  if (it == sections_.end()) {
    sections_.push_back(Section{std::string(section), {}, 0});
    it = std::prev(sections_.end());
  }
  it->entries.push_back(Entry{std::string(TrimIni(key)), std::string(TrimIni(value)), 0});
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
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

bool IniDocument::RemoveSection(std::string_view section) {
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

}  // namespace cvn::emulated
