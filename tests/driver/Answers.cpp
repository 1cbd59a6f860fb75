#include "tests/driver/Answers.h"

#include <array>

namespace cvn::uidriver {
namespace {

constexpr KindSet kMessage = KindBit(DialogKind::Message);
constexpr KindSet kOpenFile = KindBit(DialogKind::OpenFile);
constexpr KindSet kOther = KindBit(DialogKind::Other);
constexpr KindSet kWizard = KindBit(DialogKind::Wizard);

// PSM_PRESSBUTTON's button indexes.
constexpr int kPressBack = 0;
constexpr int kPressNext = 1;
constexpr int kPressFinish = 2;

constexpr std::array kVerbs = {
    Verb{"ok", Action::PressButton, kMessage | kOther, kIdOk},
    Verb{"cancel", Action::PressButton, kMessage | kOpenFile | kWizard, kIdCancel},
    Verb{"yes", Action::PressButton, kMessage, kIdYes},
    Verb{"no", Action::PressButton, kMessage, kIdNo},
    Verb{"file", Action::ChooseFile, kOpenFile, kIdOk, true},
    Verb{"close", Action::Close, kOther},
    Verb{"back", Action::WizardButton, kWizard, kIdBack, false, kPressBack},
    Verb{"next", Action::WizardButton, kWizard, kIdNext, false, kPressNext},
    Verb{"finish", Action::WizardButton, kWizard, kIdFinish, false, kPressFinish},
    Verb{"click", Action::Click, kWizard, 0, true},
    Verb{"press", Action::Click, kWizard, 0, true, 0, false},
    Verb{"type", Action::Type, kWizard, 0, true, 0, false},
    Verb{"read", Action::Read, kWizard, 0, true, 0, false},
    Verb{"sysmenu", Action::SystemMenu, kWizard, 0, true, 0, false},
};

const Verb* FindVerb(std::string_view name) {
  for (const Verb& verb : kVerbs) {
    if (verb.name == name) return &verb;
  }
  return nullptr;
}

}  // namespace

std::optional<Answer> ParseAnswer(std::string_view text) {
  const size_t colon = text.find(':');
  const Verb* verb = FindVerb(text.substr(0, colon));
  if (verb == nullptr) return std::nullopt;
  const bool hasArgument = colon != std::string_view::npos;
  if (hasArgument != verb->takesArgument) return std::nullopt;
  Answer answer{verb, {}, std::string(text)};
  if (hasArgument) {
    answer.argument = std::string(text.substr(colon + 1));
    if (answer.argument.empty()) return std::nullopt;
  }
  return answer;
}

bool Fits(const Answer& answer, const DialogView& dialog) {
  const Verb& verb = *answer.verb;
  if ((verb.kinds & KindBit(dialog.kind)) == 0) return false;
  switch (verb.action) {
    case Action::PressButton:
    case Action::ChooseFile:
    case Action::WizardButton: return dialog.HasButton(verb.buttonId);
    default: return true;
  }
}

Answer DismissAnswer(const DialogView& dialog) {
  for (std::string_view name : {"cancel", "no", "ok"}) {
    Answer answer{FindVerb(name), {}, std::string(name)};
    if (Fits(answer, dialog)) return answer;
  }
  return Answer{FindVerb("close"), {}, "close"};
}

Answer WalkAnswer(const DialogView& dialog) {
  for (std::string_view name : {"finish", "next"}) {
    Answer answer{FindVerb(name), {}, std::string(name)};
    if (Fits(answer, dialog)) return answer;
  }
  return DismissAnswer(dialog);
}

}  // namespace cvn::uidriver
