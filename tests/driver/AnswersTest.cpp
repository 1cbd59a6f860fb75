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
      {"select:1001=0", Action::Select, 0, "1001=0"},
      {"pick:1002=12", Action::Pick, 0, "1002=12"},
      {"rows:1001", Action::Rows, 0, "1001"},
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

TEST(AnswerParseTest, RowsAndEntriesAreNamedByTwoNumbers) {
  for (const char* text :
       {"select", "select:1001", "select:1001=", "select:=1", "select:1001=-1", "pick:1002=a",
        "pick:x=1", "pick:1002=1=2", "pick:1002=9999999999", "rows", "rows:"}) {
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

// A program's own confirmation: an ordinary dialog with Yes and No.
TEST(AnswerFitTest, YesAndNoAnswerOtherDialogsWithThatButton) {
  DialogView confirm = Other();
  confirm.buttons = {{kIdYes, "&Yes"}, {kIdNo, "&No"}};
  EXPECT_TRUE(Fits(Parsed("yes"), confirm));
  EXPECT_TRUE(Fits(Parsed("no"), confirm));
  EXPECT_EQ(DismissAnswer(confirm).text, "no");
  DialogView yesOnly = Other();
  yesOnly.buttons = {{kIdYes, "&Yes"}};
  EXPECT_FALSE(Fits(Parsed("no"), yesOnly));
  EXPECT_FALSE(Fits(Parsed("yes"), Other()));
  EXPECT_FALSE(Fits(Parsed("yes"), OpenFile()));
}

TEST(AnswerFitTest, ControlVerbsActOnWizardsAndOtherDialogsAndStay) {
  DialogView wizard;
  wizard.kind = DialogKind::Wizard;
  for (const char* text :
       {"press:1005", "read:1005", "select:1001=0", "pick:1002=1", "rows:1001"}) {
    const Answer answer = Parsed(text);
    EXPECT_TRUE(Fits(answer, wizard)) << text;
    EXPECT_TRUE(Fits(answer, Other())) << text;
    EXPECT_FALSE(Fits(answer, Box({kIdOk}))) << text;
    EXPECT_FALSE(Fits(answer, OpenFile())) << text;
    EXPECT_FALSE(answer.verb->navigates) << text;
  }
  EXPECT_FALSE(Fits(Parsed("click:1005"), Other()));
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
