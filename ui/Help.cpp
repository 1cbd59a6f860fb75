#include "ui/Help.h"

#include "resources/resource.h"

namespace cvn {

int HelpContextFor(int dialogId) {
  switch (dialogId) {
    case IDD_CONFIG_SYS:
    case IDD_AUTOEXEC_BAT: return IDH_CONFIG_FILES;
    case IDD_FILE_GENERAL:
    case IDD_FILE_VERSION:
    case IDD_FILE_DEPENDENT: return IDH_FILE_DETAILS;
    default: return dialogId;
  }
}

std::string HelpTopicPath(const std::string& programPath, int context) {
  const size_t slash = programPath.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
  return folder + "help\\" + std::to_string(context) + ".htm";
}

bool OpenHelp(RunContext& context, int helpContext) {
  auto& machine = context.machine;
  return machine.Desktop().OpenDocument(HelpTopicPath(machine.Files().ProgramPath(), helpContext));
}

}  // namespace cvn
