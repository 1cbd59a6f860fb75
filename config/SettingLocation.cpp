#include "config/SettingLocation.h"

#include "config/TextCase.h"

namespace cvn {

namespace {

struct Parts {
  std::string_view head;    // up to the first backslash
  std::string_view middle;  // between the first and the last
  std::string_view tail;    // after the last
};

std::optional<Parts> SplitAtBackslashes(std::string_view text) {
  const size_t first = text.find('\\');
  if (first == std::string_view::npos) return std::nullopt;
  const size_t last = text.rfind('\\');
  const std::string_view middle =
      last > first ? text.substr(first + 1, last - first - 1) : std::string_view{};
  return Parts{text.substr(0, first), middle, text.substr(last + 1)};
}

constexpr struct {
  std::string_view name;
  platform::RegKey key;
} kRoots[] = {
    {"HKEY_CLASSES_ROOT", platform::hkey::kClassesRoot},
    {"HKEY_CURRENT_USER", platform::hkey::kCurrentUser},
    {"HKEY_LOCAL_MACHINE", platform::hkey::kLocalMachine},
    {"HKEY_USERS", platform::hkey::kUsers},
    {"HKEY_CURRENT_CONFIG", platform::hkey::kCurrentConfig},
};

constexpr std::string_view kDefaultValueName = "(Default)";

}  // namespace

std::optional<IniLocation> ParseIniLocation(std::string_view text) {
  const std::optional<Parts> parts = SplitAtBackslashes(text);
  if (!parts) return std::nullopt;
  return IniLocation{std::string(parts->head) + ".ini", std::string(parts->middle),
                     std::string(parts->tail)};
}

std::optional<RegistryLocation> ParseRegistryLocation(std::string_view text) {
  const std::optional<Parts> parts = SplitAtBackslashes(text);
  if (!parts) return std::nullopt;
  for (const auto& root : kRoots) {
    if (parts->head != root.name) continue;
    std::string_view valueName = parts->tail;
    if (EqualsNoCase(valueName.substr(0, kDefaultValueName.size()), kDefaultValueName)) {
      valueName.remove_prefix(kDefaultValueName.size());
    }
    return RegistryLocation{root.key, std::string(root.name), std::string(parts->middle),
                            std::string(valueName)};
  }
  return std::nullopt;
}

}  // namespace cvn
