// The items of the database in the report, each with the result of its
// check: files, INI and Registry settings, class and type library
// registrations.
#include <string>
#include <string_view>

#include "checks/ComCheck.h"
#include "checks/FileCheck.h"
#include "checks/Requirements.h"
#include "checks/SettingCheck.h"
#include "report/ReportBlocks.h"
#include "report/ReportMarks.h"
#include "checks/ItemChecks.h"

namespace cvn {

namespace {

constexpr int kFilesHead = 10241;
constexpr int kIniHeading = 10035;
constexpr int kRegistryHeading = 10036;
constexpr int kValue = 10280;
constexpr int kSuggestedAction = 10281;
constexpr int kExplanation = 10282;
constexpr int kServerField = 10283;
constexpr int kProgIdField = 10284;
constexpr int kNameField = 10285;
constexpr int kVersionField = 10286;
constexpr int kGuidField = 10287;
constexpr int kTypeLibGuidField = 10288;
constexpr int kFolderField = 10289;
constexpr int kHelpFolderField = 10290;

struct ListedSection {
  SectionId id;
  int heading;
};

constexpr ListedSection kFileSections[] = {
    {SectionId::ProgramInfo, 10031},
    {SectionId::DllInfo, 10032},
    {SectionId::ControlInfo, 10033},
    {SectionId::DriverInfo, 10034},
};

void WriteFileSection(ReportScope& scope, const ListedSection& listed) {
  const ConfigSection* section = scope.database.GetSection(listed.id);
  if (section == nullptr || section->Count() == 0) return;
  ReportLayout& out = scope.out;
  out.Heading(listed.heading);
  out.ColumnHead(kFilesHead, {0, 3, 21, 33, 48});
  for (size_t i = 0; i < section->Count(); ++i) {
    FileItem* item = section->ItemAs<FileItem>(i);
    if (item == nullptr) continue;
    const FileCheckOutputs found = CheckItem(scope.context, scope.database, *item);
    out.Fields({MarkText(PlainMark(found.result, item->required)), item->Name(), found.actualVersion,
                found.requiredVersion, found.notes});
  }
  out.BlankLine();
}

using SettingCheck = int32_t (*)(RunContext&, SettingItem&, const SettingTexts&, SettingOutputs&);
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
  out.Text(kValue, {found.actualDisplayText});
  if (!found.actionText.empty()) out.Text(kSuggestedAction, {found.actionText});
  if (!found.explanationText.empty()) out.Text(kExplanation, {found.explanationText});
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
  if (!notes.empty()) out.Text(kSuggestedAction, {notes});
}

void WriteServer(ReportScope& scope, ServerItem& item) {
  CheckServer(scope.context, item);
  const auto field = [&](int format, ServerAspect aspect) { return FieldOf(item, format, aspect); };
  const RegistrationField fields[] = {
      field(kServerField, ServerAspect::ServerLocation), field(kProgIdField, ServerAspect::ProgId),
      field(kVersionField, ServerAspect::Version), field(kGuidField, ServerAspect::Clsid),
      field(kTypeLibGuidField, ServerAspect::TypeLib)};
  WriteRegistration(scope.out, item, item.required, item.notes, fields);
}

void WriteTypeLibrary(ReportScope& scope, TypeLibItem& item) {
  CheckTypeLibrary(scope.context, item);
  const auto field = [&](int format, TypeLibAspect aspect) { return FieldOf(item, format, aspect); };
  const RegistrationField fields[] = {
      field(kNameField, TypeLibAspect::Name), field(kVersionField, TypeLibAspect::Version),
      field(kFolderField, TypeLibAspect::FileLocation),
      field(kHelpFolderField, TypeLibAspect::HelpLocation)};
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
  for (const ListedSection& listed : kFileSections) WriteFileSection(scope, listed);
}

void WriteSettingSections(ReportScope& scope) {
  if (RunsFromRemovableMedia(scope.context)) return;
  WriteSettingSection(scope, {SectionId::IniInfo, kIniHeading, CheckIniSetting, IniSettingName});
  WriteSettingSection(scope, {SectionId::RegistryInfo, kRegistryHeading, CheckRegistrySetting,
                              RegistryName});
}

void WriteRegistrationSections(ReportScope& scope) {
  if (RunsFromRemovableMedia(scope.context)) return;
  WriteRegistrationSection(scope, SectionId::ControlRegistryInfo, 10037);
  WriteRegistrationSection(scope, SectionId::OleServerInfo, 10038);
  WriteRegistrationSection(scope, SectionId::TypeLibraryInfo, 10039);
}

}  // namespace cvn
