// Check Application Configuration: the introduction, the ten list pages and
// the retry page.
#pragma once

#include "ui/pages/WizardPage.h"

namespace cvn {

class CCheck1Page : public SectionStartPage {
 public:
  explicit CCheck1Page(CCVNWizard& wizard);
  // Saves the answers when the user walked through the questions.
  bool OnSetActive(ControlSurface& surface) override;
};

// A list page of one category: its heading and help context. Temporary
// seam: the lists of the file, setting and registration pages, with their
// filters, Details and Fix, come with the configuration check pages; until
// then those pages show their heading and navigate.
class CCheckBase : public WizardPage {
 public:
  CCheckBase(CCVNWizard& wizard, int dialogId, int category, int headingText, int helpContext);

  int HelpContext() const override { return helpContext_; }
  bool OnSetActive(ControlSurface& surface) override;
  int Category() const { return category_; }

 protected:
  // Fills the list on the first activation.
  virtual void BuildList(ControlSurface&) {}

 private:
  int category_;
  int headingText_;
  int helpContext_;
  bool listBuilt_ = false;
};

// The minimum requirements, whose Details open the configuration details
// dialogs by the row's details kind.
class CCheck2Page : public CCheckBase {
 public:
  explicit CCheck2Page(CCVNWizard& wizard);
  void OnCommand(ControlSurface& surface, int id) override;

 protected:
  void BuildList(ControlSurface& surface) override;
};

class CCheck3Page : public CCheckBase {
 public:
  explicit CCheck3Page(CCVNWizard& wizard);
};
class CCheck4Page : public CCheckBase {
 public:
  explicit CCheck4Page(CCVNWizard& wizard);
};
class CCheck5Page : public CCheckBase {
 public:
  explicit CCheck5Page(CCVNWizard& wizard);
};
class CCheck6Page : public CCheckBase {
 public:
  explicit CCheck6Page(CCVNWizard& wizard);
};
class CCheck7Page : public CCheckBase {
 public:
  explicit CCheck7Page(CCVNWizard& wizard);
};
class CCheck8Page : public CCheckBase {
 public:
  explicit CCheck8Page(CCVNWizard& wizard);
};
class CCheck9Page : public CCheckBase {
 public:
  explicit CCheck9Page(CCVNWizard& wizard);
};
class CCheck10Page : public CCheckBase {
 public:
  explicit CCheck10Page(CCVNWizard& wizard);
};
class CCheck11Page : public CCheckBase {
 public:
  explicit CCheck11Page(CCVNWizard& wizard);
};

// "Retry the Application Now": shown only when changes took effect, with
// the restart advice when some wait for a restart.
class RetryPage : public WizardPage {
 public:
  RetryPage(CCVNWizard& wizard, int dialogId, const int& made, const int& pendingRestart)
      : WizardPage(wizard, dialogId), made_(made), pendingRestart_(pendingRestart) {}
  bool OnSetActive(ControlSurface& surface) override;
  void OnCommand(ControlSurface& surface, int id) override;

 private:
  const int& made_;
  const int& pendingRestart_;
};

class CCheck12Page : public RetryPage {
 public:
  explicit CCheck12Page(CCVNWizard& wizard);
};

}  // namespace cvn
