#include "ui/dialogs/DialogFixConfirmations.h"

#include "ui/dialogs/FileConfirmDialog.h"
#include "ui/dialogs/RegistrationDialogs.h"
#include "ui/dialogs/SettingDialogs.h"

namespace cvn {

bool DialogFixConfirmations::ConfirmFile(const FileConfirmation& confirmation) {
  CFileConfirmDialog dialog(confirmation);
  return host_.RunModal(dialog) == DialogEnd::Ok;
}

std::optional<std::string> DialogFixConfirmations::ConfirmSetting(const SettingConfirmation& confirmation,
                                                                  const SettingTextCheck& check) {
  CSettingConfirmDialog dialog(confirmation, check, prompts_);
  if (host_.RunModal(dialog) != DialogEnd::Ok) return std::nullopt;
  return dialog.Value();
}

bool DialogFixConfirmations::ConfirmServer(const ServerConfirmation& confirmation) {
  CServerDialog dialog(confirmation);
  return host_.RunModal(dialog) == DialogEnd::Ok;
}

bool DialogFixConfirmations::ConfirmTypeLibrary(const TypeLibConfirmation& confirmation) {
  CTypeLibDialog dialog(confirmation);
  return host_.RunModal(dialog) == DialogEnd::Ok;
}

}  // namespace cvn
