#include "ui/dialogs/ItemDetails.h"

#include "fixes/RegistrationFields.h"
#include "ui/dialogs/FileDetails.h"
#include "ui/dialogs/RegistrationDialogs.h"
#include "ui/dialogs/SettingDialogs.h"

namespace cvn {

namespace {

template <class T>
const T* Named(const ConfigDatabase& database, SectionId category, const std::string& name) {
  return dynamic_cast<const T*>(
      ConfigDatabase::FindItem(database.GetSection(category), name, CaseSensitivity::Insensitive));
}

bool ShowSetting(RunContext& context, const ConfigDatabase& database, UiHost& host, const ItemRef& ref) {
  const ConfigSection* section = database.GetSection(ref.category);
  if (section == nullptr || ref.index >= section->Count()) return false;
  const auto* item = section->ItemAs<SettingItem>(ref.index);
  if (item == nullptr) return false;
  const SectionType type = ref.category == SectionId::IniInfo ? SectionType::IniSetting : SectionType::RegistrySetting;
  CSettingDetailsDialog dialog(MakeSettingDetails(context, *item, type, ref.noAdvice));
  host.RunModal(dialog);
  return true;
}

}  // namespace

bool ShowItemDetails(RunContext& context, const ConfigDatabase& database, UiHost& host, const ItemRef& ref) {
  if (KindOf(ref.category) == SectionKind::File) {
    CFileDetails sheet(context, database, ref.name, ref.category, ref.compare);
    if (!sheet.Found()) return false;
    sheet.Run(host);
    return true;
  }
  if (KindOf(ref.category) == SectionKind::Setting) {
    return ShowSetting(context, database, host, ref);
  }
  if (ref.category == SectionId::TypeLibraryInfo) {
    const auto* item = Named<TypeLibItem>(database, ref.category, ref.name);
    if (item == nullptr) return false;
    CTypeLibDialog dialog(MakeTypeLibFields(context, *item, DialogVariant::Details));
    host.RunModal(dialog);
    return true;
  }
  const auto* item = Named<ServerItem>(database, ref.category, ref.name);
  if (item == nullptr) return false;
  CServerDialog dialog(MakeServerFields(context, *item, ref.category, DialogVariant::Details));
  host.RunModal(dialog);
  return true;
}

}  // namespace cvn
