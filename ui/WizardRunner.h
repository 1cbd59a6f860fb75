// Runs the wizard modally for start-up: the property sheet on Windows, a
// recorded walk on the emulated machine.
#pragma once

namespace cvn {

class CCVNWizard;
class UiHost;

enum class WizardResult { Cancelled, Finished };

class WizardRunner {
 public:
  virtual ~WizardRunner() = default;
  // The dialogs the wizard's pages open.
  virtual UiHost& Host() = 0;
  virtual WizardResult Run(CCVNWizard& wizard) = 0;
};

}  // namespace cvn
