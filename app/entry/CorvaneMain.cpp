// corvane.exe: the wizard's process entry on Windows.
#include "app/Startup.h"
#include "config/RunContext.h"
#include "platform/win32/Win32CommandLine.h"
#include "platform/win32/Win32Machine.h"
#include "ui/win32/Win32WizardRunner.h"

int main() {
  auto machine = cvn::platform::win32::CreateWin32Machine();
  cvn::RunContext context(*machine);
  const auto wizard = cvn::win32ui::CreateWizardRunner(context);
  const std::string arguments =
      cvn::ArgumentsAfterProgram(cvn::platform::win32::RawCommandLine());
  cvn::RunStartup(context, arguments, *wizard);
  return 0;
}
