#include "platform/emulated/EmulatedProfile.h"

#include "util/pe/AnsiText.h"
#include "util/pe/ByteReader.h"

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

// The base a "0" and this character announce; 10 when they announce none.
unsigned PrefixBase(char c) { return c == 'x' ? 16 : c == 'o' ? 8 : c == 'b' ? 2 : 10; }

constexpr uint8_t kUtf16Mark[] = {0xFF, 0xFE};

bool HasUtf16Mark(const platform::Bytes& bytes) {
  return bytes.size() >= 2 && bytes[0] == kUtf16Mark[0] && bytes[1] == kUtf16Mark[1];
}

// The text after the mark; an odd last byte is no character and is dropped.
std::u16string Utf16Text(const platform::Bytes& bytes) {
  std::u16string text;
  for (size_t at = sizeof kUtf16Mark; at + 1 < bytes.size(); at += 2) {
    text += static_cast<char16_t>(pe::LoadU16(bytes, at));
  }
  return text;
}

platform::Bytes Utf16Bytes(std::u16string_view text) {
  platform::Bytes bytes(std::begin(kUtf16Mark), std::end(kUtf16Mark));
  for (const char16_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  return bytes;
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
    base = PrefixBase(text[i + 1]);
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

EmulatedProfile::ProfileFile EmulatedProfile::Load(const std::string& path) {
  const auto bytes = files_.ReadFile(path);
  if (!bytes) return {};
  if (HasUtf16Mark(*bytes)) return {WideIniDocument::Parse(Utf16Text(*bytes)), true};
  const std::string_view ansi(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  return {WideIniDocument::Parse(pe::FromAnsi(ansi)), false};
}

bool EmulatedProfile::Store(const std::string& path, const ProfileFile& file) {
  const std::u16string text = file.doc.Text();
  if (file.utf16) return files_.WriteFile(path, Utf16Bytes(text));
  const std::string ansi = pe::ToAnsi(text);
  return files_.WriteFile(path, platform::Bytes(ansi.begin(), ansi.end()));
}

std::string EmulatedProfile::GetString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, const std::string& file,
                                       size_t bufferSize) {
  const ProfileFile profile = Load(PathOf(file));
  const auto* entry = profile.doc.Find(pe::FromAnsi(section), pe::FromAnsi(key));
  const std::string value = entry && entry->value ? pe::ToAnsi(*entry->value) : TrimDefault(defaultValue);
  return CopyProfileEntry(value, bufferSize);
}

std::vector<std::string> EmulatedProfile::GetKeys(const std::string& section, const std::string& file) {
  std::vector<std::string> keys;
  const ProfileFile profile = Load(PathOf(file));
  const auto* found = profile.doc.FindSection(pe::FromAnsi(section));
  if (!found) return keys;
  for (const auto& entry : found->entries) {
    // Comments and lines without '=' are not keys.
    if (!entry.value || (!entry.name.empty() && entry.name.front() == ';')) continue;
    // The call lists the names separated by zeros, so an empty name (a line
    // "=value") ends the list for its reader.
    if (entry.name.empty()) break;
    keys.push_back(pe::ToAnsi(entry.name));
  }
  return keys;
}

std::vector<std::string> EmulatedProfile::GetSections(const std::string& file) {
  const ProfileFile profile = Load(PathOf(file));
  const auto& sections = profile.doc.Sections();
  std::vector<std::string> names;
  // The first section holds the lines before the first header: no section.
  for (size_t i = 1; i < sections.size(); ++i) names.push_back(pe::ToAnsi(sections[i].name));
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
  ProfileFile profile = Load(path);
  const std::u16string wideSection = pe::FromAnsi(section);
  bool changed = false;
  if (!key) {
    changed = profile.doc.RemoveSection(wideSection);
  } else if (!value) {
    changed = profile.doc.RemoveKey(wideSection, pe::FromAnsi(*key));
  } else {
    changed = profile.doc.Set(wideSection, pe::FromAnsi(*key), pe::FromAnsi(*value));
  }
  return !changed || Store(path, profile);
}

bool EmulatedProfile::Flush(const std::string&) { return true; }

}  // namespace cvn::emulated
