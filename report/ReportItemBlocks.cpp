// The items of the database in the report, each with the result of its
// check: files, INI and Registry settings, class and type library
// registrations.
#include <string>
#include <string_view>

#include "checks/ComCheck.h"
#include "checks/FileCheck.h"
#include "checks/ItemChecks.h"
#include "checks/Requirements.h"
#include "checks/SettingCheck.h"
#include "report/ReportBlocks.h"
#include "report/ReportMarks.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

struct ListedSection {
  SectionId id;
  int heading;
};

constexpr ListedSection kFileHeadings[] = {
    {SectionId::ProgramInfo, IDS_HEADING_PROGRAM_FILES},
    {SectionId::DllInfo, IDS_HEADING_DLL_FILES},
    {SectionId::ControlInfo, IDS_HEADING_CONTROL_FILES},
    {SectionId::DriverInfo, IDS_HEADING_DRIVER_FILES},
};

void WriteFileSection(ReportScope& scope, const ListedSection& listed) {
  const ConfigSection* section = scope.database.GetSection(listed.id);
  if (section == nullptr || section->Count() == 0) return;
  ReportLayout& out = scope.out;
  out.Heading(listed.heading);
  out.ColumnHead(IDS_REPORT_FILES_HEAD, {0, 3, 21, 33, 48});
  for (size_t i = 0; i < section->Count(); ++i) {
    FileItem* item = section->ItemAs<FileItem>(i);
    if (item == nullptr) continue;
    const FileCheckOutputs found = CheckItem(scope.context, scope.database, *item);
    out.Fields({MarkText(PlainMark(found.result, item->required)), item->Name(), found.actualVersion,
                found.requiredVersion, found.notes});
  }
  out.BlankLine();
}

using SettingCheck = void (*)(RunContext&, SettingItem&, const SettingTexts&, SettingOutputs&);
using SettingName = std::string (*)(const std::string&);

struct SettingSection {
  SectionId id;
  int heading;
  SettingCheck check;
  SettingName name;
};

std::string RegistryName(const std::string& name) { return name; }

void WriteSettingItem(ReportLayout& out, const SettingItem& item, const SettingOutputs& found,
                      SettingName name) {
  out.Fields({MarkText(PlainMark(found.status, item.required)), name(item.Name())});
  out.Text(IDS_FIELD_VALUE, {found.actualDisplayText});
  if (!found.actionText.empty()) out.Text(IDS_FIELD_SUGGESTED_ACTION, {found.actionText});
  if (!found.explanationText.empty()) out.Text(IDS_FIELD_EXPLANATION, {found.explanationText});
}

void WriteSettingSection(ReportScope& scope, const SettingSection& listed) {
  const ConfigSection* section = scope.database.GetSection(listed.id);
  if (section == nullptr) return;
  const SettingTexts texts = SettingTextsOf(scope.database);
  ReportLayout& out = scope.out;
  bool written = false;
  for (size_t i = 0; i < section->Count(); ++i) {
    SettingItem* item = section->ItemAs<SettingItem>(i);
    if (item == nullptr) continue;
    SettingOutputs found;
    listed.check(scope.context, *item, texts, found);
    if (!written) {
      out.Heading(listed.heading);
      out.Tabs({0, 3, 6, 24});
      written = true;
    }
    WriteSettingItem(out, *item, found, listed.name);
  }
  if (written) out.BlankLine();
}

// One field of a registration and the line format that shows it.
struct RegistrationField {
  int format;
  int subStatus;
  const std::string& text;
};

// The sub-status and display text of one aspect of a checked registration.
template <class Item, class Aspect>
RegistrationField FieldOf(const Item& item, int format, Aspect aspect) {
  return {format, item.SubStatus(aspect), item.displayTexts[static_cast<size_t>(aspect)]};
}

template <size_t N>
void WriteRegistration(ReportLayout& out, const ConfigItem& item, bool required,
                       const std::string& notes, const RegistrationField (&fields)[N]) {
  const char mark = notes.empty() ? ' ' : required ? '*' : '!';
  out.Fields({MarkText(mark), item.Name()});
  for (const RegistrationField& field : fields) {
    if (field.subStatus != 0) {
      out.Text(field.format, {MarkText(ServerMark(field.subStatus, required)), field.text});
    }
  }
  if (!notes.empty()) out.Text(IDS_FIELD_SUGGESTED_ACTION, {notes});
}

void WriteServer(ReportScope& scope, ServerItem& item) {
  CheckServer(scope.context, item);
  const auto field = [&](int format, ServerAspect aspect) { return FieldOf(item, format, aspect); };
  const RegistrationField fields[] = {
      field(IDS_FIELD_SERVER, ServerAspect::ServerLocation), field(IDS_FIELD_PROG_ID, ServerAspect::ProgId),
      field(IDS_FIELD_VERSION, ServerAspect::Version), field(IDS_FIELD_GUID, ServerAspect::Clsid),
      field(IDS_FIELD_TYPE_LIB_GUID, ServerAspect::TypeLib)};
  WriteRegistration(scope.out, item, item.required, item.notes, fields);
}

void WriteTypeLibrary(ReportScope& scope, TypeLibItem& item) {
  CheckTypeLibrary(scope.context, item);
  const auto field = [&](int format, TypeLibAspect aspect) { return FieldOf(item, format, aspect); };
  const RegistrationField fields[] = {
      field(IDS_FIELD_NAME, TypeLibAspect::Name), field(IDS_FIELD_VERSION, TypeLibAspect::Version),
      field(IDS_FIELD_FOLDER, TypeLibAspect::FileLocation), field(IDS_FIELD_HELP_FOLDER, TypeLibAspect::HelpLocation)};
  WriteRegistration(scope.out, item, item.required, item.notes, fields);
}

void WriteRegistrationSection(ReportScope& scope, SectionId id, int heading) {
  const ConfigSection* section = scope.database.GetSection(id);
  if (section == nullptr || section->Count() == 0) return;
  scope.out.Heading(heading);
  scope.out.Tabs({0, 3, 6, 24});
  for (size_t i = 0; i < section->Count(); ++i) {
    if (auto* server = section->ItemAs<ServerItem>(i)) WriteServer(scope, *server);
    if (auto* library = section->ItemAs<TypeLibItem>(i)) WriteTypeLibrary(scope, *library);
  }
  scope.out.BlankLine();
}

}  // namespace

std::string IniSettingName(const std::string& name) {
  const size_t first = name.find('\\');
  if (first == std::string::npos) return name;
  const size_t last = name.rfind('\\');
  const std::string section = last > first ? name.substr(first + 1, last - first - 1) : std::string();
  return name.substr(0, first) + ".ini [" + section + "] " + name.substr(last + 1);
}

void WriteFileSections(ReportScope& scope) {
  for (const ListedSection& listed : kFileHeadings) WriteFileSection(scope, listed);
}

void WriteSettingSections(ReportScope& scope) {
  if (RunsFromRemovableMedia(scope.context)) return;
  WriteSettingSection(scope, {SectionId::IniInfo, IDS_HEADING_INI_SETTINGS, CheckIniSetting, IniSettingName});
  WriteSettingSection(scope,
                      {SectionId::RegistryInfo, IDS_HEADING_REGISTRY_SETTINGS, CheckRegistrySetting, RegistryName});
}

void WriteRegistrationSections(ReportScope& scope) {
  if (RunsFromRemovableMedia(scope.context)) return;
  WriteRegistrationSection(scope, SectionId::ControlRegistryInfo, IDS_HEADING_CONTROL_REGISTRATIONS);
  WriteRegistrationSection(scope, SectionId::OleServerInfo, IDS_HEADING_SERVER_REGISTRATIONS);
  WriteRegistrationSection(scope, SectionId::TypeLibraryInfo, IDS_HEADING_TYPE_LIBRARY_REGISTRATIONS);
}

}  // namespace cvn
