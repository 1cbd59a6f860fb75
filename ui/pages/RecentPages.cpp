#include "ui/pages/RecentPages.h"

#include "resources/resource.h"
#include "ui/CCVNWizard.h"

namespace cvn {
namespace {

constexpr int kIdsRecentlyBroken = 10422;
constexpr int kIdsNotRecentlyBroken = 10423;
constexpr int kIdsSkipHint = 10424;

}  // namespace

CRecent1Page::CRecent1Page(CCVNWizard& wizard)
    : SectionStartPage(wizard, IDD_RECENT1, SectionButton::WhenPossible, SectionButton::WhenPossible) {}

bool CRecent1Page::OnSetActive(ControlSurface& surface) {
  SectionStartPage::OnSetActive(surface);
  auto& texts = wizard_.Context().machine.Texts();
  const bool recent = wizard_.Answers().isRecentProblem == answer::kYes;
  surface.SetText(IDC_RECENT_ADVICE,
                  texts.Load(recent ? kIdsRecentlyBroken : kIdsNotRecentlyBroken) + texts.Load(kIdsSkipHint));
  return true;
}

CRecent2Page::CRecent2Page(CCVNWizard& wizard) : WizardPage(wizard, IDD_RECENT2) {}

CRecent3Page::CRecent3Page(CCVNWizard& wizard)
    : RetryPage(wizard, IDD_RECENT3, wizard.revertsMade, wizard.revertsPendingRestart) {}

}  // namespace cvn
