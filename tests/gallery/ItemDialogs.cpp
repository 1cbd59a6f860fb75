// item_dialogs.exe CDB: the item details and fix confirmation dialogs on the
// real items of an installed application, for the UI driver to answer and
// photograph. It checks every item of the database, then shows, for each
// section, the details of its first item with a problem (else its first
// item), each page of the file details sheet on its own, and every
// confirmation. A test tool, not part of the product.
#include <iostream>
#include <memory>
#include <string>

#include "checks/ComCheck.h"
#include "checks/FileCheck.h"
#include "checks/ItemChecks.h"
#include "checks/SettingCheck.h"
#include "config/ConfigDatabase.h"
#include "config/ItemStatus.h"
#include "config/RunContext.h"
#include "fixes/FileCandidates.h"
#include "fixes/FileConfirmationFields.h"
#include "fixes/RegistrationFields.h"
#include "fixes/SettingConfirmationFields.h"
#include "platform/win32/Win32Machine.h"
#include "ui/dialogs/DialogFixConfirmations.h"
#include "ui/dialogs/FileDetails.h"
#include "ui/dialogs/ItemDetails.h"
#include "ui/win32/Win32WizardRunner.h"

namespace cvn {
namespace {

// Checks the item; true when the check found a problem.
bool Check(RunContext& context, ConfigDatabase& database, SectionId section, ConfigItem& item) {
  if (auto* file = dynamic_cast<FileItem*>(&item)) return CheckItem(context, database, *file).result != filestatus::kOk;
  if (auto* setting = dynamic_cast<SettingItem*>(&item)) {
    const SectionType type = section == SectionId::IniInfo ? SectionType::IniSetting : SectionType::RegistrySetting;
    return CheckItem(context, database, *setting, type).status != settingstatus::kOk;
  }
  if (auto* server = dynamic_cast<ServerItem*>(&item)) {
    CheckServer(context, *server);
    for (const int status : server->subStatus) {
      if (status > substatus::kMatches) return true;
    }
    return false;
  }
  if (auto* library = dynamic_cast<TypeLibItem*>(&item)) {
    CheckTypeLibrary(context, *library);
    for (const int status : library->subStatus) {
      if (status > substatus::kMatches) return true;
    }
  }
  return false;
}

// The index of the section's first item with a problem, else 0.
size_t Chosen(RunContext& context, ConfigDatabase& database, SectionId section) {
  const ConfigSection& items = *database.GetSection(section);
  size_t chosen = items.Count();
  for (size_t i = 0; i < items.Count(); ++i) {
    if (Check(context, database, section, items.Item(i)) && chosen == items.Count()) chosen = i;
  }
  return chosen == items.Count() ? 0 : chosen;
}

void ShowConfirmations(RunContext& context, ConfigDatabase& database, UiHost& host, size_t chosen[9]) {
  DialogFixConfirmations confirmations(host, context.machine.Ask());
  if (auto* file = database.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(chosen[1])) {
    const std::string path = file->foundFolder + "\\" + file->Name();
    if (const auto facts = ReadCandidate(context, path)) {
      FileCopyPlan plan{path, path, file->foundFolder + "\\Backup\\" + file->Name(), *facts};
      confirmations.ConfirmFile(MakeFileConfirmation(context, *file, plan));
      FileItem missing(file->Name());
      missing.status = filestatus::kNotFound;
      confirmations.ConfirmFile(MakeFileConfirmation(context, missing, plan));
    }
  }
  for (const SectionId id : {SectionId::IniInfo, SectionId::RegistryInfo}) {
    const auto index = chosen[static_cast<int>(id)];
    if (auto* setting = database.GetSection(id)->ItemAs<SettingItem>(index)) {
      const SectionType type = id == SectionId::IniInfo ? SectionType::IniSetting : SectionType::RegistrySetting;
      confirmations.ConfirmSetting(MakeSettingConfirmation(context, *setting, type), {});
    }
  }
  if (auto* server = database.GetSection(SectionId::ControlRegistryInfo)->ItemAs<ServerItem>(chosen[6])) {
    confirmations.ConfirmServer(MakeServerFields(context, *server, SectionId::ControlRegistryInfo, DialogVariant::Confirm));
  }
  if (auto* library = database.GetSection(SectionId::TypeLibraryInfo)->ItemAs<TypeLibItem>(chosen[8])) {
    confirmations.ConfirmTypeLibrary(MakeTypeLibFields(context, *library, DialogVariant::Confirm));
  }
}

int Run(const std::string& cdb) {
  auto machine = platform::win32::CreateWin32Machine();
  RunContext context(*machine);
  ConfigDatabase database;
  if (database.Load(context, cdb) != platform::kSOk) {
    std::cerr << "item_dialogs: cannot load " << cdb << "\n";
    return 2;
  }
  const auto runner = win32ui::CreateWizardRunner(context);
  UiHost& host = runner->Host();
  size_t chosen[9] = {};
  for (int index = 0; index < 9; ++index) {
    const auto section = static_cast<SectionId>(index);
    const ConfigSection& items = *database.GetSection(section);
    if (items.Count() == 0) continue;
    chosen[index] = Chosen(context, database, section);
    const std::string& name = items.Item(chosen[index]).Name();
    if (KindOf(section) == SectionKind::File) {
      CFileDetails sheet(context, database, name, section, false);
      for (PageLogic* page : sheet.Pages()) host.RunPropertySheet("File Details", {page});
    } else if (KindOf(section) == SectionKind::Setting) {
      ShowItemDetails(context, database, host, ItemRef::Setting(section, chosen[index]));
    } else {
      ShowItemDetails(context, database, host, ItemRef::Registration(section, name));
    }
  }
  ShowConfirmations(context, database, host, chosen);
  return 0;
}

}  // namespace
}  // namespace cvn

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: item_dialogs CDB\n";
    return 2;
  }
  return cvn::Run(argv[1]);
}
