// Findings about the fields of File, INI, Registry, COM class and type
// library entries: a second line that is not the rest of the entry, too
// few or too many fields, a field that stops early and shifts the rest,
// flags and location codes that read otherwise than written, GUIDs that
// do not read back, versions of more than four numbers.
#include <optional>
#include <span>

#include "lint/LintModel.h"
#include "config/TextCase.h"
#include "config/TextLines.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

// Which reader takes a field; the order of each table is the loader's.
enum class FieldKind { Key, Text, Name, Code, Flag, Guid, Versions, Values };

struct FieldInfo {
  std::string_view label;
  FieldKind kind;
  bool optional = false;
};

constexpr FieldInfo kFileFields[] = {
    {"file name", FieldKind::Name},          {"folder code", FieldKind::Code},
    {"source code", FieldKind::Code},        {"required flag", FieldKind::Flag},
    {"size-and-date flag", FieldKind::Flag}, {"versions", FieldKind::Versions, true}};
constexpr FieldInfo kSettingFields[] = {
    {"location", FieldKind::Key},          {"expected values", FieldKind::Values},
    {"required flag", FieldKind::Flag},    {"tracked flag", FieldKind::Flag},
    {"action key", FieldKind::Text, true}, {"explanation key", FieldKind::Text, true}};
constexpr FieldInfo kServerFields[] = {
    {"name", FieldKind::Text},          {"server file", FieldKind::Name},
    {"folder code", FieldKind::Code},   {"ProgID", FieldKind::Text},
    {"version", FieldKind::Text, true}, {"required flag", FieldKind::Flag},
    {"second flag", FieldKind::Flag},   {"third flag", FieldKind::Flag},
    {"CLSID", FieldKind::Guid},         {"type library GUID", FieldKind::Guid, true}};
constexpr FieldInfo kTypeLibFields[] = {
    {"name", FieldKind::Text},        {"library file", FieldKind::Name},
    {"folder code", FieldKind::Code}, {"help folder code", FieldKind::Code},
    {"version", FieldKind::Text},     {"required flag", FieldKind::Flag},
    {"LIBID", FieldKind::Guid}};

std::span<const FieldInfo> FieldsOf(SectionType type) {
  switch (type) {
    case SectionType::File: return kFileFields;
    case SectionType::IniSetting:
    case SectionType::RegistrySetting: return kSettingFields;
    case SectionType::ControlRegistration:
    case SectionType::OleServer: return kServerFields;
    case SectionType::TypeLibrary: return kTypeLibFields;
    case SectionType::Text:
    case SectionType::Directory: break;
  }
  return {};
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// What a field the entry lacks is read as.
std::string_view MissingReadAs(FieldKind kind) {
  switch (kind) {
    case FieldKind::Code: return "no location code";
    case FieldKind::Flag: return "\"no\"";
    case FieldKind::Guid: return "the all-zero GUID";
    case FieldKind::Values: return "no value";
    default: return "empty";
  }
}

bool IsSettingSection(const ConfigSection& section) {
  return section.Type() == SectionType::IniSetting || section.Type() == SectionType::RegistrySetting;
}

// A line of the form "location=" with a backslash in the location, as an
// INI or Registry entry begins.
bool LooksLikeSettingStart(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view location = line.substr(0, equals);
  return location.find('\\') != std::string_view::npos &&
         location.find_first_of(",\"[{") == std::string_view::npos;
}

// One entry's fields against its section's table.
class EntryFields {
 public:
  EntryFields(const LintEntry& entry, std::span<const FieldInfo> fields, const ConfigSection* directoryInfo,
              LintReport& report)
      : entry_(entry), fields_(fields), directoryInfo_(directoryInfo), report_(report), text_(entry.text) {}

  // False when the entry is read so far from what was written (its second
  // line, its '=' or a shifted field) that its values say nothing more.
  bool Check() {
    if (entry_.spans.size() != fields_.size() || CheckSecondLine()) return false;
    if (fields_[0].kind == FieldKind::Key && text_.find('=') == std::string_view::npos) {
      report_.Error(entry_.line,
                    "the entry has no \"=\": all of it is read as the location, and its values, "
                    "flags and keys as empty");
      return false;
    }
    const bool shifted = CheckShift();
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (!Present(i)) {
        if (!fields_[i].optional) {
          report_.Error(entry_.line, "too few fields for " + Section() + ": the entry ends before its " +
                                         std::string(fields_[i].label) + ", which is read as " +
                                         std::string(MissingReadAs(fields_[i].kind)));
          return !shifted;
        }
        continue;
      }
      if (!shifted) CheckValue(i);
    }
    if (!shifted) CheckTrailingText();
    return !shifted;
  }

 private:
  std::string Section() const { return Bracketed(entry_.section->Name()); }
  bool Present(size_t i) const { return entry_.spans[i].begin < text_.size(); }
  std::string_view Field(size_t i) const { return entry_.Field(i); }
  std::string Label(size_t i) const { return std::string(fields_[i].label); }

  // A header taken as the second line: a value list of a setting begins
  // with '[' too, so there only a section's name or End counts.
  bool SwallowsHeader() const {
    if (entry_.secondLine == 0 || !entry_.second.starts_with('[')) return false;
    if (!IsSettingSection(*entry_.section)) return true;
    const std::string_view name = HeaderName(entry_.second);
    return EqualsNoCase(name, "End") || IsStandardSectionName(name);
  }

  // A two-line entry whose second line is not the rest of it. True when
  // that was reported: the fields then say nothing more.
  bool CheckSecondLine() {
    if (entry_.section->LinesPerEntry() != 2) return false;
    const std::string onLine = " of the entry on line " + std::to_string(entry_.line);
    if (SwallowsHeader()) {
      report_.Error(entry_.secondLine, "the header " + Quoted(entry_.second) + " is read as the second line" +
                                           onLine + ": the section it names is not started");
      return true;
    }
    if (!IsSettingSection(*entry_.section)) return false;
    if (entry_.secondLine != 0 && LooksLikeSettingStart(entry_.second)) {
      report_.Error(entry_.secondLine, Quoted(entry_.second) + " is read as the values" + onLine +
                                           ", not as an entry of its own");
      return true;
    }
    const size_t equals = entry_.first.find('=');
    if (equals != std::string_view::npos && equals + 1 < entry_.first.size()) return false;
    if (entry_.secondLine == 0) {
      report_.Error(entry_.line,
                    "the file ends before the second line of this entry: its values, flags and "
                    "keys are read as empty");
      return true;
    }
    if (entry_.second.empty()) {
      report_.Error(entry_.line,
                    "the second line of this entry is empty: its values, flags and keys are read "
                    "as empty");
      return true;
    }
    return false;
  }

  // A field followed by something other than a separator: what follows is
  // read as the next field. True when that happened.
  bool CheckShift() {
    for (size_t i = 0; i + 1 < fields_.size(); ++i) {
      const FieldKind kind = fields_[i].kind;
      const bool canStopEarly = kind == FieldKind::Name || kind == FieldKind::Code ||
                                kind == FieldKind::Flag || kind == FieldKind::Guid ||
                                (kind == FieldKind::Text && Field(i).starts_with('"'));
      if (!canStopEarly || fields_[i + 1].kind == FieldKind::Versions || !Present(i)) continue;
      size_t after = entry_.spans[i].end;
      while (after < text_.size() && IsBlank(text_[after])) ++after;
      if (after >= text_.size() || text_[after] == ',') continue;
      const std::string_view rest = text_.substr(after);
      report_.Error(entry_.line,
                    "the " + Label(i) + " stops before " + Quoted(Trimmed(rest.substr(0, rest.find(',')))) +
                        ": that is read as the " + Label(i + 1) + " and the fields after it shift");
      return true;
    }
    return false;
  }

  void CheckValue(size_t i) {
    const std::string_view field = Field(i);
    switch (fields_[i].kind) {
      case FieldKind::Code: CheckCode(i, field); break;
      case FieldKind::Flag: CheckFlag(i, field); break;
      case FieldKind::Guid: CheckGuid(i, field); break;
      default: break;
    }
  }

  void CheckCode(size_t i, std::string_view field) {
    if (field.size() > 1) {
      report_.Warning(entry_.line, Label(i) + " " + Quoted(field) + " is read as " +
                                       Quoted(field.substr(0, 1)) + ": a location code is one character");
    }
    const char code = field.empty() ? ',' : field.front();
    if (auto problem = LocationCodeProblem(fields_[i].label, code, directoryInfo_)) {
      report_.Error(entry_.line, std::move(*problem));
    }
  }

  void CheckFlag(size_t i, std::string_view field) {
    static constexpr std::string_view kWords[] = {"y", "n", "yes", "no", "t", "f", "true", "false", "1", "0"};
    for (const std::string_view word : kWords) {
      if (EqualsNoCase(field, word)) return;
    }
    const bool readAs =
        std::string_view("1TYty").find(field.empty() ? ',' : field.front()) != std::string_view::npos;
    const std::string written =
        field.empty() ? "the " + Label(i) + " is empty and" : Label(i) + " " + Quoted(field);
    report_.Warning(entry_.line,
                    written + " is read as " + Quoted(FormatYesNo(readAs)) + ": a flag is Y or N");
  }

  void CheckGuid(size_t i, std::string_view field) {
    if (field.empty()) return;
    const std::string readBack = FormatGuid(ParseGuid(field));
    if (EqualsNoCase(readBack, field)) return;
    report_.Error(entry_.line, Label(i) + " " + Quoted(field) +
                                   " does not read back as written: it is read as " + readBack);
  }

  // Text after the last field that no reader takes.
  void CheckTrailingText() {
    size_t last = fields_.size() - 1;
    size_t after = entry_.spans[last].end;
    // Versions that stop at once leave the text after the field before them.
    if (fields_[last].kind == FieldKind::Versions && Trimmed(Field(last)).empty()) --last;
    while (after < text_.size() && IsBlank(text_[after])) ++after;
    if (after < text_.size() && text_[after] == ',') ++after;
    const std::string_view rest = Trimmed(text_.substr(std::min(after, text_.size())));
    if (rest.empty()) return;
    report_.Error(entry_.line, "too many fields for " + Section() + ": " + Quoted(rest) + " after its " +
                                   Label(last) + " is ignored");
  }

  const LintEntry& entry_;
  std::span<const FieldInfo> fields_;
  const ConfigSection* directoryInfo_;
  LintReport& report_;
  std::string_view text_;
};

// Up to four numbers with a '.' between them.
bool IsFourNumberVersion(std::string_view version) {
  int numbers = 0;
  size_t pos = 0;
  while (true) {
    const size_t start = pos;
    while (pos < version.size() && version[pos] >= '0' && version[pos] <= '9') ++pos;
    if (pos == start || ++numbers > 4) return false;
    if (pos == version.size()) return true;
    if (version[pos++] != '.') return false;
  }
}

std::string VersionText(const VersionNumber& version) {
  return std::to_string(version[0]) + "." + std::to_string(version[1]) + "." + std::to_string(version[2]) +
         "." + std::to_string(version[3]);
}

void CheckVersion(const LintEntry& entry, std::string_view version, LintReport& report) {
  if (version.empty() || IsFourNumberVersion(version)) return;
  report.Warning(entry.line, "version " + Quoted(version) + " is not up to four numbers: it is compared as " +
                                 VersionText(ReadVersion(version)));
}

void CheckVersions(const LintEntry& entry, LintReport& report) {
  if (const auto* file = dynamic_cast<const FileItem*>(entry.item)) {
    for (const std::string& version : file->acceptedVersions) CheckVersion(entry, version, report);
    for (const std::string& version : file->rejectedVersions) CheckVersion(entry, version, report);
  } else if (const auto* server = dynamic_cast<const ServerItem*>(entry.item)) {
    CheckVersion(entry, server->version, report);
  } else if (const auto* library = dynamic_cast<const TypeLibItem*>(entry.item)) {
    CheckVersion(entry, library->version, report);
  }
}

}  // namespace

void CheckEntryFields(const LintModel& model, LintReport& report) {
  const ConfigSection* directoryInfo = model.database.GetSection(SectionId::DirectoryInfo);
  for (const LintEntry& entry : model.entries) {
    const std::span<const FieldInfo> fields = FieldsOf(entry.section->Type());
    if (fields.empty()) continue;
    if (EntryFields(entry, fields, directoryInfo, report).Check()) CheckVersions(entry, report);
  }
}

}  // namespace cvn
