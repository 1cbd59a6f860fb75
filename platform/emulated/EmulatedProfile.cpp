#include "platform/emulated/EmulatedProfile.h"

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

// The default loses its trailing spaces, but keeps one character.
std::string TrimDefault(const std::string& value) {
  size_t end = value.size();
  while (end > 1 && value[end - 1] == ' ') --end;
  return value.substr(0, end);
}

std::optional<unsigned> DigitValue(char c, unsigned base) {
  unsigned digit = 0;
  if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
  else if (c >= 'a' && c <= 'z') digit = static_cast<unsigned>(c - 'a' + 10);
  else if (c >= 'A' && c <= 'Z') digit = static_cast<unsigned>(c - 'A' + 10);
  else return std::nullopt;
  return digit < base ? std::optional<unsigned>(digit) : std::nullopt;
}

}  // namespace

std::string CopyProfileEntry(const std::string& value, size_t bufferSize) {
  if (bufferSize == 0) return "";
  std::string_view text = value;
  bool quoted = false;
  if (!text.empty() && (text[0] == '"' || text[0] == '\'') && text.size() > 1 && text.back() == text[0]) {
    quoted = true;
    text.remove_prefix(1);
  }
  std::string out(text.substr(0, bufferSize - 1));
  // Wine drops the closing quote only when the buffer held the whole value.
  if (quoted && bufferSize >= text.size() && !out.empty()) out.pop_back();
  return out;
}

int ParseProfileInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i + 1 < text.size() && text[i] == '0') {
    const char prefix = LowerChar(text[i + 1]);
    base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
    if (base != 10) i += 2;
  }
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const auto digit = DigitValue(text[i], base);
    if (!digit) break;
    value = value * base + *digit;
  }
  return static_cast<int>(negative ? 0u - value : value);
}

std::string EmulatedProfile::PathOf(const std::string& file) {
  const bool bare = file.find_first_of("\\/") == std::string::npos && !(file.size() >= 2 && file[1] == ':');
  if (!bare) return files_.FullPathName(file);
  std::string folder = files_.WindowsDirectory();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder + file;
}

IniDocument EmulatedProfile::Load(const std::string& path) {
  const auto bytes = files_.ReadFile(path);
  if (!bytes) return IniDocument();
  return IniDocument::Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool EmulatedProfile::Store(const std::string& path, const IniDocument& doc) {
  const std::string text = doc.Text();
  return files_.WriteFile(path, platform::Bytes(text.begin(), text.end()));
}

std::string EmulatedProfile::GetString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, const std::string& file,
                                       size_t bufferSize) {
  const IniDocument doc = Load(PathOf(file));
  const auto* entry = doc.Find(section, key);
  return CopyProfileEntry(entry && entry->value ? *entry->value : TrimDefault(defaultValue), bufferSize);
}

std::vector<std::string> EmulatedProfile::GetKeys(const std::string& section, const std::string& file) {
  std::vector<std::string> keys;
  const IniDocument doc = Load(PathOf(file));
  const auto* found = doc.FindSection(section);
  if (!found) return keys;
  for (const auto& entry : found->entries) {
    // Comments and lines without '=' are not keys.
    if (!entry.value || (!entry.name.empty() && entry.name.front() == ';')) continue;
    keys.push_back(entry.name);
  }
  return keys;
}

std::vector<std::string> EmulatedProfile::GetSections(const std::string& file) {
  const IniDocument doc = Load(PathOf(file));
  const auto& sections = doc.Sections();
  std::vector<std::string> names;
  // The first section holds the lines before the first header: no section.
  for (size_t i = 1; i < sections.size(); ++i) names.push_back(sections[i].name);
  return names;
}

int EmulatedProfile::GetInt(const std::string& section, const std::string& key, int defaultValue,
                            const std::string& file) {
  const std::string text = GetString(section, key, "", file, 30);
  return text.empty() ? defaultValue : ParseProfileInt(text);
}

bool EmulatedProfile::WriteString(const std::string& section, const std::optional<std::string>& key,
                                  const std::optional<std::string>& value, const std::string& file) {
  const std::string path = PathOf(file);
  const uint32_t attributes = files_.GetAttributes(path);
  // The call opens the file for writing first: a read-only file refuses.
  if (attributes != platform::attr::kInvalid && (attributes & platform::attr::kReadOnly)) return false;
  IniDocument doc = Load(path);
  bool changed = false;
  if (!key) {
    changed = doc.RemoveSection(section);
  } else if (!value) {
    changed = doc.RemoveKey(section, *key);
  } else {
    changed = doc.Set(section, *key, *value);
  }
  return !changed || Store(path, doc);
}

bool EmulatedProfile::Flush(const std::string&) { return true; }

}  // namespace cvn::emulated
