#include "config/ItemParsing.h"

#include "config/PathSpec.h"

namespace cvn {

namespace {

template <class Item>
std::unique_ptr<Item> ParseKeyValue(EntryReader& reader) {
  auto item = std::make_unique<Item>(reader.ReadKey());
  item->value = reader.ReadRest();
  return item;
}

std::unique_ptr<ConfigItem> ParseDirectory(EntryReader& reader, const PathResolver& resolve) {
  auto item = ParseKeyValue<DirectoryItem>(reader);
  if (LooksLikePath(item->value)) item->value = resolve(item->value);
  return item;
}

std::unique_ptr<ConfigItem> ParseFile(EntryReader& reader) {
  auto item = std::make_unique<FileItem>(reader.ReadName());
  item->folderCode = reader.ReadCode();
  item->sourceCode = reader.ReadCode();
  item->required = reader.ReadFlag();
  item->checkSizeAndDate = reader.ReadFlag();
  VersionLists versions = reader.ReadVersionList();
  item->acceptedVersions = std::move(versions.accepted);
  item->rejectedVersions = std::move(versions.rejected);
  return item;
}

std::unique_ptr<ConfigItem> ParseSetting(EntryReader& reader, const PathResolver& resolve) {
  auto item = std::make_unique<SettingItem>(reader.ReadKey());
  ValueList expected = reader.ReadValueList(resolve);
  item->expectedValues = std::move(expected.values);
  item->valueText = std::move(expected.text);
  item->required = reader.ReadFlag();
  item->tracked = reader.ReadFlag();
  item->actionKey = reader.ReadField();
  item->explanationKey = reader.ReadField();
  return item;
}

std::unique_ptr<ConfigItem> ParseServer(EntryReader& reader) {
  auto item = std::make_unique<ServerItem>(reader.ReadField());
  item->serverFile = reader.ReadName();
  item->folderCode = reader.ReadCode();
  item->progId = reader.ReadField();
  item->versionIndependentProgId = VersionIndependentProgId(item->progId);
  item->version = reader.ReadField();
  item->required = reader.ReadFlag();
  item->secondFlag = reader.ReadFlag();
  item->thirdFlag = reader.ReadFlag();
  item->clsid = reader.ReadGuid();
  item->typeLib = reader.ReadGuid();
  return item;
}

std::unique_ptr<ConfigItem> ParseTypeLibrary(EntryReader& reader) {
  auto item = std::make_unique<TypeLibItem>(reader.ReadField());
  item->libraryFile = reader.ReadName();
  item->folderCode = reader.ReadCode();
  item->helpFolderCode = reader.ReadCode();
  item->version = reader.ReadField();
  item->required = reader.ReadFlag();
  item->libId = reader.ReadGuid();
  return item;
}

}  // namespace

std::string VersionIndependentProgId(std::string_view progId) {
  const size_t dot = progId.rfind('.');
  const bool versioned = dot != std::string_view::npos && dot != 0 && dot + 1 < progId.size() &&
                         progId[dot + 1] >= '0' && progId[dot + 1] <= '9';
  return std::string(versioned ? progId.substr(0, dot) : progId);
}

std::unique_ptr<ConfigItem> ParseItem(SectionType type, std::string_view entry,
                                      const PathResolver& resolve) {
  EntryReader reader(entry);
  return ParseItem(type, reader, resolve);
}

std::unique_ptr<ConfigItem> ParseItem(SectionType type, EntryReader& reader,
                                      const PathResolver& resolve) {
  switch (type) {
    case SectionType::Directory: return ParseDirectory(reader, resolve);
    case SectionType::File: return ParseFile(reader);
    case SectionType::IniSetting:
    case SectionType::RegistrySetting: return ParseSetting(reader, resolve);
    case SectionType::ControlRegistration:
    case SectionType::OleServer: return ParseServer(reader);
    case SectionType::TypeLibrary: return ParseTypeLibrary(reader);
    case SectionType::Text: break;
  }
  return ParseKeyValue<TextItem>(reader);
}

}  // namespace cvn
