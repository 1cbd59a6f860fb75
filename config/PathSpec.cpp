#include "config/PathSpec.h"

#include "config/ConfigSection.h"
#include "config/RunContext.h"
#include "config/SettingLocation.h"
#include "config/TextCase.h"
#include "platform/RegistryKey.h"
#include "util/text/WindowsPath.h"

namespace cvn {

namespace {

// A chain of codes that refer to each other is cut after this many.
constexpr int kMaxSubstitutions = 65;
constexpr size_t kIniValueCapacity = 260;

bool EndsInBackslash(std::string_view text) { return !text.empty() && text.back() == '\\'; }

// The text after a location code below the code's folder. A code whose folder
// is not known leaves the text rooted ("\x"), not relative to the current
// folder.
std::string BelowFolder(std::string_view folder, std::string_view rest) {
  return JoinPath(folder.empty() ? std::string_view("\\") : folder, rest);
}

// The string value at a Registry location; nothing when it cannot be read
// or is not a plain string.
std::optional<std::string> ReadRegistryString(platform::Registry& registry, std::string_view where) {
  const std::optional<RegistryLocation> location = ParseRegistryLocation(where);
  if (!location) return std::nullopt;
  const std::optional<platform::RegValue> value =
      OpenedKey(registry, location->root, location->subKey).Query(location->valueName);
  if (!value || value->type != platform::regtype::kString) return std::nullopt;
  return TextOfData(value->data);
}

// The INI value at a location, from the file as named (the Windows folder)
// or else from the file of that name in the application folder.
std::optional<std::string> ReadIniString(RunContext& context, std::string_view where) {
  const std::optional<IniLocation> location = ParseIniLocation(where);
  if (!location) return std::nullopt;
  platform::Profile& ini = context.machine.Ini();
  std::string value =
      ini.GetString(location->section, location->key, "", location->file, kIniValueCapacity);
  if (!value.empty()) return value;
  const std::string local = BelowFolder(context.locations.Folder('1'), location->file);
  return ini.GetString(location->section, location->key, "", local, kIniValueCapacity);
}

// A Directory Info value "[...]" names a Registry or INI location holding
// the folder; whatever cannot be read falls back to the application folder.
std::string ResolveIndirection(RunContext& context, std::string_view value) {
  std::string_view inside = value.substr(1);
  inside = inside.substr(0, inside.find(']'));
  const bool isRegistry = value.size() > 6 && EqualsNoCase(value.substr(0, 5), "[HKEY");
  const std::optional<std::string> base = isRegistry
                                              ? ReadRegistryString(context.machine.Reg(), inside)
                                              : ReadIniString(context, inside);
  return base.value_or(context.locations.Folder('1'));
}

// Windows NT runs 16-bit programs against the folder before "32" of the
// system folder (system32 gives system).
std::string SystemFolderFor(const RunContext& context) {
  const std::string& system = context.locations.Folder('S');
  if (!context.isNt || context.appWin32) return system;
  const size_t at = system.find("32");
  return at != std::string::npos && at != 0 ? system.substr(0, at) : system;
}

// The folder a code stands for; nothing when it cannot be resolved yet.
std::optional<std::string> BaseFolder(RunContext& context, LocationCode code) {
  if (code == 'S') return SystemFolderFor(context);
  if (Locations::IsBuiltIn(code)) return context.locations.Folder(code);
  const ConfigSection* directoryInfo = context.locations.DirectoryInfo();
  if (code == '?' || directoryInfo == nullptr) return std::nullopt;
  const std::string* value = FindValue(directoryInfo, std::string_view(&code, 1));
  if (value == nullptr) return context.locations.Folder('1');
  if (value->size() > 2 && value->front() == '[') return ResolveIndirection(context, *value);
  return *value;
}

void ReplaceDrivePlaceholder(const RunContext& context, std::string& path) {
  if (path.size() < 2 || path[1] != ':') return;
  if (path[0] == '0') path[0] = 'c';
  if (path[0] == '1') path[0] = context.locations.cdromDrive;
}

}  // namespace

void Expand(RunContext& context, std::string& path) {
  if (path.size() < 2) return;
  context.locations.EnsureFilled(context.machine);
  for (int substitutions = 0; path.size() >= 2 && path[1] == '|'; ++substitutions) {
    if (substitutions == kMaxSubstitutions) break;
    const std::optional<std::string> base = BaseFolder(context, path[0]);
    if (!base) break;
    path = BelowFolder(*base, std::string_view(path).substr(2));
  }
  ReplaceDrivePlaceholder(context, path);
}

PathSpec::PathSpec(RunContext& context, std::string_view text) : context_(&context), text_(text) {
  Expand(*context_, text_);
}

PathSpec& PathSpec::operator=(std::string_view text) {
  text_ = text;
  Expand(*context_, text_);
  return *this;
}

PathSpec& PathSpec::EnsureTrailingBackslash() {
  if (!text_.empty() && !EndsInBackslash(text_)) text_ += '\\';
  return *this;
}

PathSpec& PathSpec::Append(std::string_view part) {
  EnsureTrailingBackslash();
  text_ += part;
  return *this;
}

std::string DisplayForm(std::string_view path) {
  const size_t last = path.rfind('\\');
  if (last != std::string_view::npos && last + 1 == path.size() && last > 2) path.remove_suffix(1);
  return ToLower(path);
}

std::string DirectoryForm(std::string_view path) {
  const size_t last = path.rfind('\\');
  if (last == std::string_view::npos) return {};
  return ToLower(path.substr(0, last < 3 ? last + 1 : last));
}

bool LooksLikePath(std::string_view text) {
  if (text.size() < 2) return false;
  const char c = text[0];
  const bool letterOrDigit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  return letterOrDigit && (text[1] == ':' || text[1] == '|');
}

std::string ExpandedDisplayForm(RunContext& context, std::string_view path) {
  return DisplayForm(PathSpec(context, path).Text());
}

std::string LocationFolder(RunContext& context, char code) {
  PathSpec folder(context, std::string{code, '|'});
  folder.EnsureTrailingBackslash();
  return folder.Text();
}

}  // namespace cvn
