#include "ui/dialogs/FileConfirmDialog.h"

#include "resources/resource.h"
#include "ui/dialogs/ItemFields.h"

namespace cvn {

CFileConfirmDialog::CFileConfirmDialog(const FileConfirmation& fields)
    : DialogLogic(fields.dialog), fields_(fields) {}

void CFileConfirmDialog::OnInitDialog(ControlSurface& surface) {
  ShowValue(surface, IDC_ITEM_NAME, fields_.fileName, true);
  surface.SetText(IDC_ITEM_TYPE, fields_.typeDescription);
  surface.SetIconHandle(IDC_PICTURE, fields_.icon);
  if (fields_.dialog == confirmdialog::kReplaceFile) {
    ShowFileFacts(surface, fields_.current, IDC_ACTUAL_LOCATION);
  } else {
    // Copy/To: the destination is a folder only.
    surface.SetText(IDC_ACTUAL_LOCATION, fields_.current.location);
  }
  ShowFileFacts(surface, fields_.replacement, IDC_EXPECTED_LOCATION);
  surface.SetText(IDC_NOTE, fields_.note);
}

}  // namespace cvn
