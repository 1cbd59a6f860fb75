#include "checks/FileTypes.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "config/TextCase.h"
#include "resources/resource.h"

namespace cvn {

namespace {

struct KnownType {
  std::string_view extension;
  int descriptionId;
  IconKind iconKind;
};

constexpr std::array<KnownType, 24> kKnownTypes{{
    {"exe", 10190, IconKind::OwnIcon},
    {"dll", 10191, IconKind::ProgramExtension},
    {"ocx", 10192, IconKind::ProgramExtension},
    {"386", 10193, IconKind::ProgramExtension},
    {"avi", 10194, IconKind::Generic},
    {"bat", 10195, IconKind::Generic},
    {"bmp", 10196, IconKind::Generic},
    {"cpl", 10197, IconKind::ProgramExtension},
    {"doc", 10198, IconKind::Generic},
    {"drv", 10199, IconKind::ProgramExtension},
    {"fon", 10200, IconKind::Font},
    {"hlp", 10201, IconKind::Help},
    {"ico", 10202, IconKind::OwnIcon},
    {"ini", 10203, IconKind::Settings},
    {"inf", 10204, IconKind::Settings},
    {"mov", 10205, IconKind::Generic},
    {"qtc", 10206, IconKind::ProgramExtension},
    {"reg", 10207, IconKind::Registration},
    {"scr", 10208, IconKind::OwnIcon},
    {"ttf", 10209, IconKind::Font},
    {"vbx", 10210, IconKind::ProgramExtension},
    {"wav", 10211, IconKind::Generic},
    {"wri", 10212, IconKind::Generic},
    {"zip", 10213, IconKind::Archive},
}};

// " File", after the extension of a type the table does not know.
constexpr int kOtherFileSuffixId = 10214;

// The text after the last '.' of the file name, or nothing without one.
std::optional<std::string> ExtensionOf(const std::string& path) {
  const size_t nameStart = path.find_last_of("\\/:");
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) {
    return std::nullopt;
  }
  return path.substr(dot + 1);
}

const KnownType* FindKnownType(const std::string& extension) {
  const auto found = std::find_if(kKnownTypes.begin(), kKnownTypes.end(), [&](const KnownType& t) {
    return EqualsNoCase(t.extension, extension);
  });
  return found == kKnownTypes.end() ? nullptr : &*found;
}

int IconIdOf(IconKind kind) {
  switch (kind) {
    case IconKind::OwnIcon: return IDI_FILE_PROGRAM;  // when the file has none of its own
    case IconKind::ProgramExtension: return IDI_FILE_EXTENSION;
    case IconKind::Help: return IDI_FILE_HELP;
    case IconKind::Font: return IDI_FILE_FONT;
    case IconKind::Registration: return IDI_FILE_REGISTRATION;
    case IconKind::Settings: return IDI_FILE_SETTINGS;
    case IconKind::Archive: return IDI_FILE_ARCHIVE;
    case IconKind::Generic: break;
  }
  return IDI_FILE_GENERIC;
}

platform::IconHandle LoadIconFor(platform::Shell& shell, IconKind kind, const std::string& path) {
  if (kind == IconKind::OwnIcon) {
    if (const platform::IconHandle own = shell.ExtractIcon(path, 0); own != 0) return own;
  }
  return shell.LoadIcon(IconIdOf(kind));
}

}  // namespace

std::optional<FileType> DescribeFile(platform::Machine& machine, const std::string& path) {
  const std::optional<std::string> extension = ExtensionOf(path);
  if (!extension) return std::nullopt;

  FileType type;
  if (const KnownType* known = FindKnownType(*extension)) {
    type.description = machine.Texts().Load(known->descriptionId);
    type.iconKind = known->iconKind;
  } else {
    type.description = *extension + machine.Texts().Load(kOtherFileSuffixId);
  }
  type.icon = LoadIconFor(machine.Desktop(), type.iconKind, path);
  return type;
}

}  // namespace cvn
