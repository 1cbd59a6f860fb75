#include "checks/FileTypes.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "config/TextCase.h"
#include "resources/StringIds.h"
#include "resources/resource.h"

namespace cvn {

namespace {

struct KnownType {
  std::string_view extension;
  int descriptionId;
  IconKind iconKind;
};

constexpr std::array<KnownType, 24> kKnownTypes{{
    {"exe", IDS_TYPE_APPLICATION, IconKind::OwnIcon},
    {"dll", IDS_TYPE_APPLICATION_EXTENSION, IconKind::ProgramExtension},
    {"ocx", IDS_TYPE_ACTIVEX, IconKind::ProgramExtension},
    {"386", IDS_TYPE_VIRTUAL_DEVICE_DRIVER, IconKind::ProgramExtension},
    {"avi", IDS_TYPE_VIDEO_CLIP, IconKind::Generic},
    {"bat", IDS_TYPE_BATCH_FILE, IconKind::Generic},
    {"bmp", IDS_TYPE_BITMAP, IconKind::Generic},
    {"cpl", IDS_TYPE_CONTROL_PANEL_EXTENSION, IconKind::ProgramExtension},
    {"doc", IDS_TYPE_WORDPAD_DOCUMENT, IconKind::Generic},
    {"drv", IDS_TYPE_DEVICE_DRIVER, IconKind::ProgramExtension},
    {"fon", IDS_TYPE_FONT_FILE, IconKind::Font},
    {"hlp", IDS_TYPE_HELP_FILE, IconKind::Help},
    {"ico", IDS_TYPE_ICON_FILE, IconKind::OwnIcon},
    {"ini", IDS_TYPE_CONFIGURATION_SETTINGS, IconKind::Settings},
    {"inf", IDS_TYPE_SETUP_INFORMATION, IconKind::Settings},
    {"mov", IDS_TYPE_QUICKTIME_MOVIE, IconKind::Generic},
    {"qtc", IDS_TYPE_QUICKTIME_COMPONENT, IconKind::ProgramExtension},
    {"reg", IDS_TYPE_REGISTRATION_FILE, IconKind::Registration},
    {"scr", IDS_TYPE_SCREEN_SAVER, IconKind::OwnIcon},
    {"ttf", IDS_TYPE_TRUETYPE_FONT, IconKind::Font},
    {"vbx", IDS_TYPE_VB_CONTROL, IconKind::ProgramExtension},
    {"wav", IDS_TYPE_SOUND_FILE, IconKind::Generic},
    {"wri", IDS_TYPE_WRITE_DOCUMENT, IconKind::Generic},
    {"zip", IDS_TYPE_ZIP_FILE, IconKind::Archive},
}};

// " File", after the extension of a type the table does not know.

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
    type.description = *extension + machine.Texts().Load(IDS_TYPE_OTHER_SUFFIX);
  }
  type.icon = LoadIconFor(machine.Desktop(), type.iconKind, path);
  return type;
}

}  // namespace cvn
