// Findings about what one part of the file names in another: location
// codes and Directory Info, INI and Registry locations, the action and
// explanation keys of settings, and the files the .fdb lists. (The codes
// of entry fields are judged with the other fields.)
#include <optional>

#include "lint/LintModel.h"
#include "config/Locations.h"
#include "config/SettingLocation.h"
#include "config/TextCase.h"

namespace cvn {

namespace {

constexpr std::string_view kToApplicationFolder = "it resolves to the application folder";

class References {
 public:
  References(const LintModel& model, LintReport& report)
      : report_(report),
        database_(model.database),
        directory_(model.database.GetSection(SectionId::DirectoryInfo)) {}

  void Check(const LintEntry& entry) {
    line_ = entry.line;
    if (const auto* setting = dynamic_cast<const SettingItem*>(entry.item)) {
      // An entry without '=' is all location; that is reported with its fields.
      if (entry.text.find('=') != std::string::npos) CheckSetting(*setting, entry.section->Type());
    } else if (const auto* folder = dynamic_cast<const DirectoryItem*>(entry.item)) {
      CheckDirectoryEntry(*folder);
    } else if (const auto* text = dynamic_cast<const TextItem*>(entry.item)) {
      if (EqualsNoCase(entry.section->Name(), StandardSectionName(SectionId::AppInfo))) {
        CheckPathCode(text->value);
      }
    }
  }

 private:
  void CheckCode(std::string_view label, char code) {
    if (auto problem = LocationCodeProblem(label, code, directory_)) {
      report_.Error(line_, std::move(*problem));
    }
  }

  // A value in location notation ("Q|sub") names a code too.
  void CheckPathCode(std::string_view value) {
    if (value.size() >= 2 && value[1] == '|') CheckCode("location code", value[0]);
  }

  void CheckSetting(const SettingItem& setting, SectionType type) {
    CheckLocation(setting.Location(), type == SectionType::RegistrySetting,
                  "the check finds the entry invalid");
    for (const std::string& value : setting.expectedValues) CheckPathCode(value);
    CheckTextKey("action key", setting.actionKey, SectionId::ActionTextInfo,
                 "the check shows no action text");
    CheckTextKey("explanation key", setting.explanationKey, SectionId::ExplanationTextInfo,
                 "the check shows no explanation");
  }

  void CheckLocation(std::string_view location, bool registry, std::string_view otherwise) {
    const std::string kind = registry ? "Registry" : "INI";
    if (location.find('\\') == std::string_view::npos) {
      report_.Error(line_,
                    kind + " location " + Quoted(location) + " has no backslash: " + std::string(otherwise));
    } else if (registry && !ParseRegistryLocation(location)) {
      report_.Error(line_,
                    "Registry root " + Quoted(location.substr(0, location.find('\\'))) +
                        " is none of HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, "
                        "HKEY_CURRENT_CONFIG in their exact case: " +
                        std::string(otherwise));
    }
  }

  void CheckTextKey(std::string_view label, const std::string& key, SectionId textSection,
                    std::string_view otherwise) {
    if (key.empty() || FindValue(database_.GetSection(textSection), key) != nullptr) return;
    report_.Warning(line_, std::string(label) + " " + Quoted(key) + " is not in " +
                               Bracketed(StandardSectionName(textSection)) + ": " + std::string(otherwise));
  }

  void CheckDirectoryEntry(const DirectoryItem& folder) {
    const std::string& key = folder.Name();
    if (key.size() != 1) {
      report_.Warning(
          line_, "[Directory Info] key " + Quoted(key) + " is not one character: no location code names it");
    } else if (const char upper = ToUpperChar(key[0]); Locations::IsBuiltIn(upper) && upper != '1') {
      report_.Warning(
          line_, "[Directory Info] code " + Quoted(key) + " is built in: paths with it never use this value");
    }
    const std::string_view value = folder.value;
    if (value.size() > 2 && value.front() == '[') {
      const std::string_view inside = value.substr(1, value.find(']') - 1);
      const bool registry = value.size() > 6 && EqualsNoCase(value.substr(0, 5), "[HKEY");
      CheckLocation(inside, registry, "the code resolves to the application folder");
    } else {
      CheckPathCode(value);
    }
  }

  LintReport& report_;
  const ConfigDatabase& database_;
  const ConfigSection* directory_;
  size_t line_ = 0;
};

void CheckFileInfo(const LintModel& model, const LintFileInfo& fileInfo, LintReport& report) {
  for (const LintEntry& entry : model.entries) {
    if (entry.section->Type() != SectionType::File || entry.item->Name().empty()) continue;
    if (fileInfo.lists(entry.item->Name())) continue;
    report.Warning(entry.line, Quoted(entry.item->Name()) + " is not listed in " + fileInfo.title +
                                   ": its size and date are not compared");
  }
}

}  // namespace

std::optional<std::string> LocationCodeProblem(std::string_view label, char code,
                                               const ConfigSection* directoryInfo) {
  if (code == '\0' || Locations::IsBuiltIn(code)) return std::nullopt;
  if (code == ',') return "the " + std::string(label) + " is empty: " + std::string(kToApplicationFolder);
  if (FindValue(directoryInfo, std::string_view(&code, 1)) != nullptr) return std::nullopt;
  const std::string written = std::string(label) + " " + Quoted(std::string_view(&code, 1));
  if (code == '?') return written + " never resolves: the path keeps \"?|\" and names no folder";
  if (const char upper = ToUpperChar(code); Locations::IsBuiltIn(upper)) {
    return written + " is not " + Quoted(std::string_view(&upper, 1)) + ": codes are case-sensitive, so " +
           std::string(kToApplicationFolder);
  }
  return written + " is neither built in (W, S, T, X, 1, 2) nor a key of [Directory Info]: " +
         std::string(kToApplicationFolder);
}

void CheckReferences(const LintModel& model, const LintFileInfo* fileInfo, LintReport& report) {
  References references(model, report);
  for (const LintEntry& entry : model.entries) references.Check(entry);
  if (fileInfo != nullptr) CheckFileInfo(model, *fileInfo, report);
}

}  // namespace cvn
