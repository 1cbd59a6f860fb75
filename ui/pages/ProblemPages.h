// Describe The Problem: the introduction, six yes/no/don't-know questions
// and the symptoms.
#pragma once

#include <array>

#include "config/Answers.h"
#include "ui/pages/WizardPage.h"

namespace cvn {

class CProblem1Page : public SectionStartPage {
 public:
  explicit CProblem1Page(WizardServices& wizard);
  bool OnSetActive(ControlSurface& surface) override;
  void OnCommand(ControlSurface& surface, int id) override;
};

// The radio group of a question, in tab order: Yes, No, Don't know. Its
// position is the answer code, although the control numbers run
// Yes 1100, Don't know 1101, No 1102.
inline constexpr std::array<int, 3> kAnswerButtons = {1100, 1102, 1101};

// Checks the button of `answer`; an answer outside 0..2 (a damaged
// cvn.ini) shows as Don't know.
void ShowAnswer(ControlSurface& surface, int answer);
// The checked position, or Don't know when none is checked.
int ReadAnswer(const ControlSurface& surface);

// Which reminder a question offers when it is left forwards.
enum class Reminder { None, Restart, QuickTime };

class CQuestionPage : public WizardPage {
 public:
  CQuestionPage(WizardServices& wizard, int dialogId, int SavedAnswers::*answer, Reminder reminder);

  bool OnSetActive(ControlSurface& surface) override;
  bool OnKillActive(ControlSurface& surface) override;
  // Shows the reminder when the triggering answer is given while the
  // reminder is armed, or with Shift held; another answer re-arms it.
  PageResult OnWizardNext(ControlSurface& surface) override;

  bool ReminderArmed() const { return armed_; }

 private:
  int SavedAnswers::*answer_;
  Reminder reminder_;
  bool armed_ = true;
};

class CProblem2Page : public CQuestionPage {
 public:
  explicit CProblem2Page(WizardServices& wizard);
};
class CProblem3Page : public CQuestionPage {
 public:
  explicit CProblem3Page(WizardServices& wizard);
};
class CProblem4Page : public CQuestionPage {
 public:
  explicit CProblem4Page(WizardServices& wizard);
};
class CProblem5Page : public CQuestionPage {
 public:
  explicit CProblem5Page(WizardServices& wizard);
};
class CProblem6Page : public CQuestionPage {
 public:
  explicit CProblem6Page(WizardServices& wizard);
};
class CProblem7Page : public CQuestionPage {
 public:
  explicit CProblem7Page(WizardServices& wizard);
};

// The symptoms: bit n of the mask is check box 1110 + n, through one int
// member per box.
class CProblem8Page : public WizardPage {
 public:
  explicit CProblem8Page(WizardServices& wizard);
  bool OnSetActive(ControlSurface& surface) override;
  // Rebuilds the mask from the six boxes; other bits are dropped.
  bool OnKillActive(ControlSurface& surface) override;

 private:
  std::array<int, 6> boxes_{};
};

}  // namespace cvn
