#include "ui/dialogs/FileDetails.h"

#include <cstdio>
#include <utility>

#include "checks/FileTypes.h"
#include "checks/PeModules.h"
#include "config/TextCase.h"
#include "fixes/FileConfirmationFields.h"
#include "resources/StringIds.h"
#include "resources/resource.h"
#include "ui/dialogs/ItemFields.h"
#include "util/text/WindowsPath.h"

namespace cvn {

namespace {

// The version strings of the list, in the order they are shown.
constexpr const char* kVersionStrings[] = {"Comments",         "CompanyName",  "FileVersion",
                                           "InternalName",     "LegalTrademarks", "OriginalFilename",
                                           "PrivateBuild",     "ProductName",  "ProductVersion",
                                           "SpecialBuild"};

// "%d.%d.%d.%d" of a fixed version; empty when both halves are 0.
std::string FixedVersion(uint32_t high, uint32_t low) {
  if (high == 0 && low == 0) return "";
  char text[48];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", high >> 16, high & 0xFFFFu, low >> 16, low & 0xFFFFu);
  return text;
}

FileFacts ExpectedFacts(const FileItem& item, const FileFacts& actual) {
  FileFacts facts = actual;
  facts.location = item.expectedFolder;
  facts.version = item.expectedVersion;
  facts.size = item.expectedSizeText;
  facts.date = item.expectedDateText;
  return facts;
}

// The usable width of a list: its client width less the scroll arrow.
int UsableWidth(RunContext& context, ControlSurface& surface, int listId) {
  return surface.ClientWidth(listId) - context.machine.System().GetSystemMetrics(platform::metric::kCxHScroll);
}

}  // namespace

CFileGeneral::CFileGeneral(RunContext& context, const FileItem& item, std::string path, bool compare)
    : PageLogic(IDD_FILE_GENERAL), context_(context), item_(item), path_(std::move(path)), compare_(compare) {}

bool CFileGeneral::OnSetActive(ControlSurface& surface) {
  if (filled_) return true;
  filled_ = true;
  platform::Strings& texts = context_.machine.Texts();
  if (compare_) {
    surface.SetText(IDC_ACTUAL_LABEL, texts.Load(IDS_CURRENT_LABEL));
    surface.SetText(IDC_EXPECTED_LABEL, texts.Load(IDS_PREVIOUS_LABEL));
  }
  ShowValue(surface, IDC_ITEM_NAME, item_.Name(), true);
  if (const auto type = DescribeFile(context_.machine, path_)) {
    surface.SetText(IDC_ITEM_TYPE, type->description);
    surface.SetIconHandle(IDC_PICTURE, type->icon);
  }
  const FileFacts actual = CurrentFileFacts(texts, item_);
  ShowFileFacts(surface, actual, IDC_ACTUAL_LOCATION);
  ShowFileFacts(surface, ExpectedFacts(item_, actual), IDC_EXPECTED_LOCATION);
  return true;
}

CFileVersion::CFileVersion(RunContext& context, platform::Bytes block)
    : PageLogic(IDD_FILE_VERSION), context_(context), block_(std::move(block)) {}

bool CFileVersion::OnSetActive(ControlSurface& surface) {
  if (filled_) return true;
  filled_ = true;
  platform::VersionInfo& versions = context_.machine.Versions();
  if (const auto fixed = versions.QueryFixed(block_)) {
    surface.SetText(IDC_FILE_VERSION, FixedVersion(fixed->fileVersionMS, fixed->fileVersionLS));
    surface.SetText(IDC_PRODUCT_VERSION, FixedVersion(fixed->productVersionMS, fixed->productVersionLS));
  }
  // The list has its columns whether or not there are strings to show.
  platform::Strings& texts = context_.machine.Texts();
  const int width = UsableWidth(context_, surface, IDC_VERSION_LIST);
  surface.SetColumns(IDC_VERSION_LIST,
                     {{texts.Load(IDS_ITEM_NAME_LABEL), width / 2}, {texts.Load(IDS_VALUE_LABEL), width * 3 / 2}});
  const auto translations = versions.QueryTranslations(block_);
  if (translations.empty()) return true;
  char prefix[40];
  std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04x%04x\\",
                static_cast<unsigned>(translations.front().language),
                static_cast<unsigned>(translations.front().codePage));
  ShowStrings(surface, prefix);
  return true;
}

void CFileVersion::ShowStrings(ControlSurface& surface, const std::string& prefix) {
  platform::VersionInfo& versions = context_.machine.Versions();
  if (const auto text = versions.QueryString(block_, prefix + "FileDescription")) {
    surface.SetText(IDC_FILE_DESCRIPTION, *text);
  }
  if (const auto text = versions.QueryString(block_, prefix + "LegalCopyright")) {
    surface.SetText(IDC_FILE_COPYRIGHT, *text);
  }
  ListSurface* rows = surface.Rows(IDC_VERSION_LIST);
  if (rows == nullptr) return;
  for (const char* name : kVersionStrings) {
    const auto value = versions.QueryString(block_, prefix + name);
    if (!value) continue;
    const int row = rows->InsertItem(rows->ItemCount(), name, 0, nullptr);
    rows->SetItemText(row, 1, *value);
  }
}

CFileDependent::CFileDependent(RunContext& context, std::vector<std::string> modules)
    : PageLogic(IDD_FILE_DEPENDENT), context_(context), modules_(std::move(modules)) {}

bool CFileDependent::OnSetActive(ControlSurface& surface) {
  if (filled_) return true;
  filled_ = true;
  surface.SetColumns(IDC_DEPENDENT_LIST, {{context_.machine.Texts().Load(IDS_COLUMN_FILE),
                                           UsableWidth(context_, surface, IDC_DEPENDENT_LIST)}});
  ListSurface* rows = surface.Rows(IDC_DEPENDENT_LIST);
  if (rows == nullptr) return true;
  for (std::string name : modules_) {
    if (!name.empty() && name.back() == '\\') name.pop_back();
    rows->InsertItem(rows->ItemCount(), ToLower(name), 0, nullptr);
  }
  return true;
}

std::optional<std::vector<std::string>> ReadImportNames(platform::Machine& machine, const std::string& path) {
  const auto bytes = machine.Files().ReadFile(path);
  if (!bytes) return std::nullopt;
  return ImportedModuleNames(*bytes);
}

CFileDetails::CFileDetails(RunContext& context, const ConfigDatabase& database, const std::string& fileName,
                           SectionId category, bool compare)
    : context_(context) {
  const auto* item = dynamic_cast<const FileItem*>(
      ConfigDatabase::FindItem(database.GetSection(category), fileName, CaseSensitivity::Insensitive));
  if (item == nullptr) return;
  const std::string path = JoinPath(item->foundFolder, item->Name());
  general_ = std::make_unique<CFileGeneral>(context, *item, path, compare);
  if (auto block = context.machine.Versions().GetInfo(path)) {
    version_ = std::make_unique<CFileVersion>(context, std::move(*block));
  }
  auto modules = ReadImportNames(context.machine, path);
  if (modules && !modules->empty()) dependent_ = std::make_unique<CFileDependent>(context, std::move(*modules));
}

std::vector<PageLogic*> CFileDetails::Pages() const {
  std::vector<PageLogic*> pages;
  for (PageLogic* page : {static_cast<PageLogic*>(general_.get()), static_cast<PageLogic*>(version_.get()),
                          static_cast<PageLogic*>(dependent_.get())}) {
    if (page != nullptr) pages.push_back(page);
  }
  return pages;
}

void CFileDetails::Run(UiHost& host) {
  if (!Found()) return;
  host.RunPropertySheet(context_.machine.Texts().Load(IDS_FILE_DETAILS_CAPTION), Pages());
}

}  // namespace cvn
