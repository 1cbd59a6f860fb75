#include "config/ConfigDatabase.h"

#include "config/RunContext.h"
#include "config/TextCase.h"

namespace cvn {

namespace {

struct StandardSection {
  SectionId id;
  std::string_view name;
  SectionType type;
  int linesPerEntry;
};

// In the order the database creates them.
constexpr StandardSection kStandardSections[] = {
    {SectionId::AppInfo, "App Info", SectionType::Text, 1},
    {SectionId::DirectoryInfo, "Directory Info", SectionType::Directory, 1},
    {SectionId::ActionTextInfo, "Action Text Info", SectionType::Text, 1},
    {SectionId::ExplanationTextInfo, "Explanation Text Info", SectionType::Text, 1},
    {SectionId::VendorInfo, "Vendor Info", SectionType::Text, 1},
    {SectionId::CvnInfo, "Corvane Info", SectionType::Text, 1},
    {SectionId::MinimumRequirementsInfo, "Minimum Requirements Info", SectionType::Text, 1},
    {SectionId::ProgramInfo, "Program Info", SectionType::File, 1},
    {SectionId::DllInfo, "DLL Info", SectionType::File, 1},
    {SectionId::ControlInfo, "Active X/OCX/VBX Info", SectionType::File, 1},
    {SectionId::DriverInfo, "Driver Info", SectionType::File, 1},
    {SectionId::IniInfo, "INI Info", SectionType::IniSetting, 2},
    {SectionId::RegistryInfo, "Registry Info", SectionType::RegistrySetting, 2},
    {SectionId::ControlRegistryInfo, "Active X/OCX Registry Info", SectionType::ControlRegistration, 2},
    {SectionId::OleServerInfo, "OLE Server Info", SectionType::OleServer, 2},
    {SectionId::TypeLibraryInfo, "Type Library Info", SectionType::TypeLibrary, 2},
};

}  // namespace

std::string_view StandardSectionName(SectionId id) {
  for (const StandardSection& standard : kStandardSections) {
    if (standard.id == id) return standard.name;
  }
  return {};
}

ConfigDatabase::ConfigDatabase() {
  for (const StandardSection& standard : kStandardSections) {
    AddSection(std::string(standard.name), standard.type, standard.linesPerEntry);
  }
}

std::weak_ptr<ConfigSection> ConfigDatabase::Watched(ConfigSection* section) const {
  // Shares the lifetime token's count: every watcher expires with us.
  return std::shared_ptr<ConfigSection>(lifetime_, section);
}

ConfigSection& ConfigDatabase::AddSection(std::string name, SectionType type, int linesPerEntry) {
  sectionIndex_.emplace(ToLower(name), sections_.size());
  sections_.push_back(std::make_unique<ConfigSection>(std::move(name), type, linesPerEntry));
  return *sections_.back();
}

ConfigSection& ConfigDatabase::AddSection(std::string name) {
  return AddSection(std::move(name), SectionType::Text, 1);
}

ConfigSection* ConfigDatabase::FindSection(std::string_view name) const {
  const auto hit = sectionIndex_.find(ToLower(name));
  return hit != sectionIndex_.end() ? sections_[hit->second].get() : nullptr;
}

ConfigSection* ConfigDatabase::GetSection(SectionId id) const {
  const std::string_view name = StandardSectionName(id);
  return name.empty() ? nullptr : FindSection(name);
}

ConfigItem* ConfigDatabase::FindItem(const ConfigSection* section, std::string_view name,
                                     CaseSensitivity sensitivity) {
  return section != nullptr ? section->FindItem(name, sensitivity) : nullptr;
}

void ConfigDatabase::AddFileInfo(FileInfoEntry entry) {
  fileInfoIndex_.emplace(ToLower(entry.name), fileInfo_.size());
  fileInfo_.push_back(std::move(entry));
}

const FileInfoEntry* ConfigDatabase::FindFileInfo(std::string_view fileName) const {
  const auto hit = fileInfoIndex_.find(ToLower(fileName));
  return hit != fileInfoIndex_.end() ? &fileInfo_[hit->second] : nullptr;
}

}  // namespace cvn
