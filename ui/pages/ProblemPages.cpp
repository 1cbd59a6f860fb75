#include "ui/pages/ProblemPages.h"

#include "resources/resource.h"
#include "ui/dialogs/ReminderDialogs.h"

namespace cvn {

CProblem1Page::CProblem1Page(WizardServices& wizard)
    : SectionStartPage(wizard, IDD_PROBLEM1, SectionButton::WhenPossible, SectionButton::Never) {}

bool CProblem1Page::OnSetActive(ControlSurface& surface) {
  SectionStartPage::OnSetActive(surface);
  wizard_.SetQuestionsWalked(true);
  return true;
}

void CProblem1Page::OnCommand(ControlSurface& surface, int id) {
  // Skipping the questions means the answers are not saved on entering the
  // next section.
  if (id == IDC_SKIP_SECTION) wizard_.SetQuestionsWalked(false);
  SectionStartPage::OnCommand(surface, id);
}

void ShowAnswer(ControlSurface& surface, int answer) {
  const size_t selected = answer >= 0 && answer < static_cast<int>(kAnswerButtons.size())
                              ? static_cast<size_t>(answer)
                              : static_cast<size_t>(answer::kDontKnow);
  for (size_t i = 0; i < kAnswerButtons.size(); ++i) surface.SetCheck(kAnswerButtons[i], i == selected);
}

int ReadAnswer(const ControlSurface& surface) {
  for (size_t i = 0; i < kAnswerButtons.size(); ++i) {
    if (surface.GetCheck(kAnswerButtons[i])) return static_cast<int>(i);
  }
  return answer::kDontKnow;
}

CQuestionPage::CQuestionPage(WizardServices& wizard, int dialogId, int SavedAnswers::*answer,
                             Reminder reminder)
    : WizardPage(wizard, dialogId), answer_(answer), reminder_(reminder) {}

bool CQuestionPage::OnSetActive(ControlSurface& surface) {
  ShowAnswer(surface, wizard_.Answers().*answer_);
  return WizardPage::OnSetActive(surface);
}

bool CQuestionPage::OnKillActive(ControlSurface& surface) {
  wizard_.Answers().*answer_ = ReadAnswer(surface);
  return true;
}

PageResult CQuestionPage::OnWizardNext(ControlSurface& surface) {
  if (reminder_ == Reminder::None) return PageResult::GoOn();
  const int trigger = reminder_ == Reminder::Restart ? answer::kDontKnow : answer::kYes;
  const int given = ReadAnswer(surface);
  if (given != trigger) {
    armed_ = true;
    return PageResult::GoOn();
  }
  if (!armed_ && !wizard_.Context().machine.Ask().ShiftKeyDown()) return PageResult::GoOn();
  armed_ = false;
  if (reminder_ == Reminder::Restart) {
    // Its Restart Windows saves the answers, this page's answer among them,
    // before the page is left.
    wizard_.Answers().*answer_ = given;
    CRestartDialog dialog(wizard_.Context(), wizard_.Answers());
    wizard_.Host().RunModal(dialog);
  } else {
    CQuickTimeDialog dialog;
    wizard_.Host().RunModal(dialog);
  }
  return PageResult::GoOn();
}

CProblem2Page::CProblem2Page(WizardServices& wizard)
    : CQuestionPage(wizard, IDD_PROBLEM2, &SavedAnswers::isRebootable, Reminder::Restart) {}
CProblem3Page::CProblem3Page(WizardServices& wizard)
    : CQuestionPage(wizard, IDD_PROBLEM3, &SavedAnswers::isConsistent, Reminder::Restart) {}
CProblem4Page::CProblem4Page(WizardServices& wizard)
    : CQuestionPage(wizard, IDD_PROBLEM4, &SavedAnswers::isOnlyAppWithProblem, Reminder::None) {}
CProblem5Page::CProblem5Page(WizardServices& wizard)
    : CQuestionPage(wizard, IDD_PROBLEM5, &SavedAnswers::isLoadProblem, Reminder::None) {}
CProblem6Page::CProblem6Page(WizardServices& wizard)
    : CQuestionPage(wizard, IDD_PROBLEM6, &SavedAnswers::isRecentProblem, Reminder::None) {}
CProblem7Page::CProblem7Page(WizardServices& wizard)
    : CQuestionPage(wizard, IDD_PROBLEM7, &SavedAnswers::isQTProblem, Reminder::QuickTime) {}

CProblem8Page::CProblem8Page(WizardServices& wizard) : WizardPage(wizard, IDD_PROBLEM8) {}

bool CProblem8Page::OnSetActive(ControlSurface& surface) {
  const int mask = wizard_.Answers().symptoms;
  for (size_t n = 0; n < boxes_.size(); ++n) {
    boxes_[n] = (mask >> n) & 1;
    surface.SetCheck(IDC_SYMPTOM_CRASHES + static_cast<int>(n), boxes_[n] != 0);
  }
  return WizardPage::OnSetActive(surface);
}

bool CProblem8Page::OnKillActive(ControlSurface& surface) {
  int mask = 0;
  for (size_t n = 0; n < boxes_.size(); ++n) {
    boxes_[n] = surface.GetCheck(IDC_SYMPTOM_CRASHES + static_cast<int>(n)) ? 1 : 0;
    mask |= boxes_[n] << n;
  }
  wizard_.Answers().symptoms = mask;
  return true;
}

}  // namespace cvn
