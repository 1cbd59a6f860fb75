#include "tools/cvntool/DumpFormat.h"

#include <cstdio>

#include "config/Items.h"

namespace cvn::tool {
namespace {

const char* YesNo(bool value) { return value ? "yes" : "no"; }

std::string Code(char code) { return code == '\0' ? "none" : std::string(1, code); }

void DumpText(std::ostream& out, const char* kind, const std::string& name,
              const std::string& value) {
  out << "  " << kind << ' ' << Quote(name) << " = " << Quote(value) << '\n';
}

void DumpFile(std::ostream& out, const FileItem& item) {
  out << "  file " << Quote(item.Name()) << " folder=" << Code(item.folderCode)
      << " source=" << Code(item.sourceCode) << " required=" << YesNo(item.required)
      << " sizedate=" << YesNo(item.checkSizeAndDate)
      << " accepted=" << QuoteList(item.acceptedVersions)
      << " rejected=" << QuoteList(item.rejectedVersions) << '\n';
}

void DumpSetting(std::ostream& out, const char* kind, const SettingItem& item) {
  out << "  " << kind << ' ' << Quote(item.Location()) << " values=" << QuoteList(item.expectedValues)
      << " required=" << YesNo(item.required) << " tracked=" << YesNo(item.tracked)
      << " action=" << Quote(item.actionKey) << " explanation=" << Quote(item.explanationKey)
      << " text=" << Quote(item.valueText) << '\n';
}

void DumpServer(std::ostream& out, const ServerItem& item) {
  out << "  server " << Quote(item.Name()) << " file=" << Quote(item.serverFile)
      << " folder=" << Code(item.folderCode) << " required=" << YesNo(item.required)
      << " flag2=" << YesNo(item.secondFlag) << " flag3=" << YesNo(item.thirdFlag)
      << " progid=" << Quote(item.progId)
      << " viprogid=" << Quote(item.versionIndependentProgId)
      << " version=" << Quote(item.version) << " clsid=" << FormatGuid(item.clsid)
      << " typelib=" << FormatGuid(item.typeLib) << '\n';
}

void DumpTypeLib(std::ostream& out, const TypeLibItem& item) {
  out << "  typelib " << Quote(item.Name()) << " file=" << Quote(item.libraryFile)
      << " folder=" << Code(item.folderCode) << " helpfolder=" << Code(item.helpFolderCode)
      << " version=" << Quote(item.version) << " required=" << YesNo(item.required)
      << " libid=" << FormatGuid(item.libId) << '\n';
}

void DumpItem(std::ostream& out, SectionType type, const ConfigItem& item) {
  if (const auto* text = dynamic_cast<const TextItem*>(&item)) {
    DumpText(out, "text", text->Name(), text->value);
  } else if (const auto* dir = dynamic_cast<const DirectoryItem*>(&item)) {
    DumpText(out, "directory", dir->Name(), dir->value);
  } else if (const auto* file = dynamic_cast<const FileItem*>(&item)) {
    DumpFile(out, *file);
  } else if (const auto* setting = dynamic_cast<const SettingItem*>(&item)) {
    DumpSetting(out, type == SectionType::IniSetting ? "ini" : "registry", *setting);
  } else if (const auto* server = dynamic_cast<const ServerItem*>(&item)) {
    DumpServer(out, *server);
  } else if (const auto* library = dynamic_cast<const TypeLibItem*>(&item)) {
    DumpTypeLib(out, *library);
  } else {
    out << "  item " << Quote(item.Name()) << '\n';
  }
}

}  // namespace

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      quoted += hex;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string QuoteList(const std::vector<std::string>& texts) {
  std::string list = "[";
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) list += ", ";
    list += Quote(texts[i]);
  }
  return list + ']';
}

void DumpSection(std::ostream& out, const ConfigSection& section) {
  out << "section " << Quote(section.Name()) << " type=" << static_cast<int>(section.Type())
      << " lines=" << section.LinesPerEntry() << " items=" << section.Count() << '\n';
  for (const auto& item : section.Items()) DumpItem(out, section.Type(), *item);
}

void DumpDatabase(std::ostream& out, const ConfigDatabase& database) {
  out << "database " << Quote(database.path) << '\n';
  out << "title " << Quote(database.title) << '\n';
  for (const auto& section : database.Sections()) DumpSection(out, *section);
}

void DumpLocations(std::ostream& out, const RunContext& context) {
  out << "application " << Quote(context.appName) << '\n';
  out << "appwin32 " << YesNo(context.appWin32) << '\n';
  out << "application-folder " << Quote(context.locations.Folder('1')) << '\n';
  out << "locations\n";
  for (const char code : {'W', 'S', 'T', 'X', '1', '2'}) {
    out << "  " << code << ' ' << Quote(context.locations.Folder(code)) << '\n';
  }
  const auto& loc = context.locations;
  out << "drives application=" << loc.applicationDrive << " own=" << loc.ownDrive
      << " windows=" << loc.windowsDrive << " cdrom=" << loc.cdromDrive << '\n';
}

}  // namespace cvn::tool
