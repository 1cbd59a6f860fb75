// Check Recent Changes: the introduction, the list of changes and the
// retry page.
#pragma once

#include "ui/pages/CheckPages.h"

namespace cvn {

class CRecent1Page : public SectionStartPage {
 public:
  explicit CRecent1Page(CCVNWizard& wizard);
  // The advice 1260 follows the answer to the recent-problem question.
  bool OnSetActive(ControlSurface& surface) override;
};

// Temporary seam: the dates, the list of changes and Revert come with the
// recent-changes issue; until then the page shows its heading and
// navigates.
class CRecent2Page : public WizardPage {
 public:
  explicit CRecent2Page(CCVNWizard& wizard);
};

class CRecent3Page : public RetryPage {
 public:
  explicit CRecent3Page(CCVNWizard& wizard);
};

}  // namespace cvn
