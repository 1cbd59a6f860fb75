// The answer verbs: what the command line may say, which dialog each fits,
// and how a dialog without an answer is dismissed.
#include "tests/driver/Answers.h"

#include <gtest/gtest.h>

namespace cvn::uidriver {
namespace {

DialogView Box(std::vector<int> buttonIds) {
  DialogView box;
  box.kind = DialogKind::Message;
  for (int id : buttonIds) box.buttons.push_back({id, "x"});
  return box;
}

DialogView OpenFile() {
  DialogView open;
  open.kind = DialogKind::OpenFile;
  open.buttons = {{kIdOk, "&Open"}, {kIdCancel, "Cancel"}};
  return open;
}

DialogView Other() { return DialogView{}; }

Answer Parsed(const char* text) {
  auto answer = ParseAnswer(text);
  EXPECT_TRUE(answer.has_value()) << text;
  return answer.value_or(Answer{});
}

TEST(AnswerParseTest, VerbsAndTheirArguments) {
  struct Case {
    const char* text;
    Action action;
    int buttonId;
    const char* argument;
  };
  const Case cases[] = {
      {"ok", Action::PressButton, kIdOk, ""},
      {"cancel", Action::PressButton, kIdCancel, ""},
      {"yes", Action::PressButton, kIdYes, ""},
      {"no", Action::PressButton, kIdNo, ""},
      {"close", Action::Close, 0, ""},
      {"file:C:\\data\\x.cdb", Action::ChooseFile, kIdOk, "C:\\data\\x.cdb"},
      {"file:a:b", Action::ChooseFile, kIdOk, "a:b"},
  };
  for (const Case& c : cases) {
    const auto answer = ParseAnswer(c.text);
    ASSERT_TRUE(answer.has_value()) << c.text;
    EXPECT_EQ(answer->verb->action, c.action) << c.text;
    EXPECT_EQ(answer->verb->buttonId, c.buttonId) << c.text;
    EXPECT_EQ(answer->argument, c.argument) << c.text;
    EXPECT_EQ(answer->text, c.text);
  }
}

TEST(AnswerParseTest, UnknownVerbsAndMisplacedArgumentsAreRefused) {
  for (const char* text : {"", "OK", "okay", "file", "file:", "ok:now", "close:", ":ok", "next:2"}) {
    EXPECT_FALSE(ParseAnswer(text).has_value()) << text;
  }
}

TEST(AnswerFitTest, ButtonVerbsNeedTheirButton) {
  EXPECT_TRUE(Fits(Parsed("ok"), Box({kIdOk})));
  EXPECT_FALSE(Fits(Parsed("cancel"), Box({kIdOk})));
  EXPECT_TRUE(Fits(Parsed("cancel"), Box({kIdOk, kIdCancel})));
  EXPECT_TRUE(Fits(Parsed("no"), Box({kIdYes, kIdNo})));
  EXPECT_FALSE(Fits(Parsed("ok"), Box({kIdYes, kIdNo})));
}

TEST(AnswerFitTest, VerbsFitOnlyTheirKindsOfDialog) {
  EXPECT_TRUE(Fits(Parsed("file:C:\\x.cdb"), OpenFile()));
  EXPECT_TRUE(Fits(Parsed("cancel"), OpenFile()));
  EXPECT_FALSE(Fits(Parsed("ok"), OpenFile()));
  EXPECT_FALSE(Fits(Parsed("close"), OpenFile()));
  EXPECT_FALSE(Fits(Parsed("file:C:\\x.cdb"), Box({kIdOk, kIdCancel})));
  EXPECT_FALSE(Fits(Parsed("close"), Box({kIdOk})));
  EXPECT_TRUE(Fits(Parsed("close"), Other()));
  DialogView otherWithOk = Other();
  otherWithOk.buttons = {{kIdOk, "OK"}};
  EXPECT_TRUE(Fits(Parsed("ok"), otherWithOk));
  DialogView wizard;
  wizard.kind = DialogKind::Wizard;
  wizard.buttons = {{kIdNext, "&Next >"}, {kIdCancel, "Cancel"}};
  EXPECT_TRUE(Fits(Parsed("next"), wizard));
  EXPECT_FALSE(Fits(Parsed("back"), wizard));  // disabled
  EXPECT_TRUE(Fits(Parsed("click:1005"), wizard));
  EXPECT_FALSE(Fits(Parsed("next"), otherWithOk));
  EXPECT_EQ(WalkAnswer(wizard).text, "next");
  wizard.buttons.push_back({kIdFinish, "Finish"});
  EXPECT_EQ(WalkAnswer(wizard).text, "finish");
  EXPECT_EQ(WalkAnswer(otherWithOk).text, "ok");
}

TEST(AnswerDismissTest, TheCautiousButtonOrClosing) {
  struct Case {
    DialogView dialog;
    const char* verb;
  };
  const Case cases[] = {
      {Box({kIdOk}), "ok"},
      {Box({kIdOk, kIdCancel}), "cancel"},
      {Box({kIdYes, kIdNo}), "no"},
      {Box({kIdYes, kIdNo, kIdCancel}), "cancel"},
      {Box({}), "close"},
      {OpenFile(), "cancel"},
      {Other(), "close"},
  };
  for (const Case& c : cases) {
    const Answer answer = DismissAnswer(c.dialog);
    EXPECT_EQ(answer.verb->name, c.verb);
    EXPECT_EQ(answer.text, c.verb);
  }
}

}  // namespace
}  // namespace cvn::uidriver
