// The wizard runner of the Windows build, without the Windows headers for
// its callers.
#pragma once

#include <memory>

#include "config/RunContext.h"
#include "ui/WizardRunner.h"

namespace cvn::win32ui {

// Runs the wizard in the property sheet of the running program's resources.
std::unique_ptr<WizardRunner> CreateWizardRunner(RunContext& context);

}  // namespace cvn::win32ui
