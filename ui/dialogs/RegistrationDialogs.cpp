#include "ui/dialogs/RegistrationDialogs.h"

#include <initializer_list>
#include <utility>

#include "resources/resource.h"
#include "ui/dialogs/ItemFields.h"

namespace cvn {

namespace {

constexpr int kRegistryIcon = 643;

struct FieldPlace {
  const RegistrationField& field;
  int actualId;
  int expectedId;
};

// Icon, name, the fields side by side, and in the details variants the
// suggested action (the confirmation variants have none).
template <class Fields>
void ShowRegistration(ControlSurface& surface, const Fields& fields, std::initializer_list<FieldPlace> places) {
  surface.SetIcon(IDC_PICTURE, kRegistryIcon);
  ShowValue(surface, IDC_ITEM_NAME, fields.name, true);
  for (const FieldPlace& place : places) {
    ShowRegistrationField(surface, place.field, place.actualId, place.expectedId);
  }
  if (fields.dialog == IDD_OLE_DETAILS || fields.dialog == IDD_TYPELIB_DETAILS) {
    ShowSuggestedAction(surface, fields.suggestedAction, fields.suggestedActionEnabled);
  }
}

}  // namespace

CServerDialog::CServerDialog(ServerConfirmation fields)
    : DialogLogic(fields.dialog), fields_(std::move(fields)) {}

void CServerDialog::OnInitDialog(ControlSurface& surface) {
  surface.SetText(IDC_ITEM_TYPE, fields_.secondText);
  ShowRegistration(surface, fields_,
                   {{fields_.location, IDC_ACTUAL_SERVER_LOCATION, IDC_EXPECTED_SERVER_LOCATION},
                    {fields_.progId, IDC_ACTUAL_PROGID, IDC_EXPECTED_PROGID},
                    {fields_.version, IDC_ACTUAL_VERSION, IDC_EXPECTED_VERSION},
                    {fields_.guid, IDC_ACTUAL_GUID, IDC_EXPECTED_GUID},
                    {fields_.typeLib, IDC_ACTUAL_TYPELIB_GUID, IDC_EXPECTED_TYPELIB_GUID}});
}

CTypeLibDialog::CTypeLibDialog(TypeLibConfirmation fields)
    : DialogLogic(fields.dialog), fields_(std::move(fields)) {}

void CTypeLibDialog::OnInitDialog(ControlSurface& surface) {
  surface.SetText(IDC_ITEM_TYPE, fields_.libraryFile);
  ShowRegistration(surface, fields_,
                   {{fields_.libraryName, IDC_ACTUAL_TYPELIB_NAME, IDC_EXPECTED_TYPELIB_NAME},
                    {fields_.version, IDC_ACTUAL_VERSION, IDC_EXPECTED_VERSION},
                    {fields_.location, IDC_ACTUAL_LOCATION, IDC_EXPECTED_LOCATION},
                    {fields_.helpLocation, IDC_ACTUAL_HELP_LOCATION, IDC_EXPECTED_HELP_LOCATION}});
}

}  // namespace cvn
