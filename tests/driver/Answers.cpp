#include "tests/driver/Answers.h"

#include <algorithm>
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

constexpr KindSet kControls = kWizard | kOther;
constexpr auto kText = Argument::Text;
constexpr auto kIdAndNumber = Argument::IdAndNumber;
constexpr auto kNone = Argument::None;

constexpr std::array kVerbs = {
    Verb{"ok", Action::PressButton, kMessage | kOther, kIdOk},
    Verb{"cancel", Action::PressButton, kMessage | kOpenFile | kWizard, kIdCancel},
    Verb{"yes", Action::PressButton, kMessage | kOther, kIdYes},
    Verb{"no", Action::PressButton, kMessage | kOther, kIdNo},
    Verb{"file", Action::ChooseFile, kOpenFile, kIdOk, kText},
    Verb{"close", Action::Close, kOther},
    Verb{"back", Action::WizardButton, kWizard, kIdBack, kNone, kPressBack},
    Verb{"next", Action::WizardButton, kWizard, kIdNext, kNone, kPressNext},
    Verb{"finish", Action::WizardButton, kWizard, kIdFinish, kNone, kPressFinish},
    Verb{"click", Action::Click, kWizard, 0, kText},
    Verb{"press", Action::Click, kControls, 0, kText, 0, false},
    Verb{"type", Action::Type, kWizard, 0, kText, 0, false},
    Verb{"read", Action::Read, kControls, 0, kText, 0, false},
    Verb{"select", Action::Select, kControls, 0, kIdAndNumber, 0, false},
    Verb{"pick", Action::Pick, kControls, 0, kIdAndNumber, 0, false},
    Verb{"rows", Action::Rows, kControls, 0, kText, 0, false},
    Verb{"sysmenu", Action::SystemMenu, kWizard, 0, kText, 0, false},
};

const Verb* FindVerb(std::string_view name) {
  for (const Verb& verb : kVerbs) {
    if (verb.name == name) return &verb;
  }
  return nullptr;
}

// Digits, few enough for an int.
bool IsNumber(std::string_view text) {
  constexpr size_t kMaxDigits = 9;
  return !text.empty() && text.size() <= kMaxDigits &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool HasShape(std::string_view argument, Argument shape) {
  if (shape != Argument::IdAndNumber) return !argument.empty();
  const size_t equals = argument.find('=');
  return equals != std::string_view::npos && IsNumber(argument.substr(0, equals)) &&
         IsNumber(argument.substr(equals + 1));
}

}  // namespace

std::optional<Answer> ParseAnswer(std::string_view text) {
  const size_t colon = text.find(':');
  const Verb* verb = FindVerb(text.substr(0, colon));
  if (verb == nullptr) return std::nullopt;
  const bool hasArgument = colon != std::string_view::npos;
  if (hasArgument != (verb->argument != Argument::None)) return std::nullopt;
  Answer answer{verb, {}, std::string(text)};
  if (hasArgument) {
    answer.argument = std::string(text.substr(colon + 1));
    if (!HasShape(answer.argument, verb->argument)) return std::nullopt;
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
