// The standard sections of a configuration database, by number, and the
// lists of the wizard and the report that show them: the numbers are the
// categories of the result lists, and KindOf tells which kind of list each
// one is, so that no caller spells a range out again.
#pragma once

#include <string_view>

namespace cvn {

// 0..8 the sections with checkable items, 9..15 the text sections and the
// minimum requirements; RecentChanges is the list of the recent-changes
// pages, which has no section of its own.
enum class SectionId : int {
  ProgramInfo = 0,
  DllInfo = 1,
  ControlInfo = 2,
  DriverInfo = 3,
  IniInfo = 4,
  RegistryInfo = 5,
  ControlRegistryInfo = 6,
  OleServerInfo = 7,
  TypeLibraryInfo = 8,
  AppInfo = 9,
  DirectoryInfo = 10,
  ActionTextInfo = 11,
  ExplanationTextInfo = 12,
  VendorInfo = 13,
  CvnInfo = 14,
  MinimumRequirementsInfo = 15,
  RecentChanges = 16,
};
inline constexpr int kSectionIds = 16;  // the standard sections, 0..15

enum class SectionKind {
  File,          // Program, DLL, Control and Driver Info
  Setting,       // INI and Registry Info
  Registration,  // Control Registry, OLE Server and Type Library Info
  Requirements,  // Minimum Requirements Info
  RecentChanges,
  Text,  // the text sections, which no list shows
};

constexpr SectionKind KindOf(SectionId id) {
  switch (id) {
    case SectionId::ProgramInfo:
    case SectionId::DllInfo:
    case SectionId::ControlInfo:
    case SectionId::DriverInfo:
      return SectionKind::File;
    case SectionId::IniInfo:
    case SectionId::RegistryInfo:
      return SectionKind::Setting;
    case SectionId::ControlRegistryInfo:
    case SectionId::OleServerInfo:
    case SectionId::TypeLibraryInfo:
      return SectionKind::Registration;
    case SectionId::MinimumRequirementsInfo:
      return SectionKind::Requirements;
    case SectionId::RecentChanges:
      return SectionKind::RecentChanges;
    default:
      return SectionKind::Text;
  }
}

// The sections of each kind that has items, in database order.
inline constexpr SectionId kFileSections[] = {SectionId::ProgramInfo, SectionId::DllInfo, SectionId::ControlInfo,
                                              SectionId::DriverInfo};
inline constexpr SectionId kSettingSections[] = {SectionId::IniInfo, SectionId::RegistryInfo};
inline constexpr SectionId kRegistrationSections[] = {SectionId::ControlRegistryInfo, SectionId::OleServerInfo,
                                                      SectionId::TypeLibraryInfo};

// The standard name of a section id ("Program Info", ...); empty outside 0..15.
std::string_view StandardSectionName(SectionId id);

}  // namespace cvn
