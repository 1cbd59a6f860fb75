// The prompt script and the record of what the user was asked.
#include "platform/emulated/EmulatedPrompts.h"

#include <gtest/gtest.h>

#include "platform/emulated/ImageBuilder.h"

namespace cvn::emulated {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

TEST(EmulatedPromptsTest, QuestionsTakeQueuedAnswersInOrder) {
  EmulatedPrompts prompts{MachineFacts{}};
  prompts.QueueAnswer(Answer::Yes);
  prompts.QueueAnswer(Answer::Cancel);
  EXPECT_EQ(prompts.MessageBox("Fix it?", Buttons::YesNo, Icon::Question), Answer::Yes);
  // An OK box is answered OK and leaves the queue alone.
  EXPECT_EQ(prompts.MessageBox("Done.", Buttons::Ok, Icon::Information), Answer::Ok);
  EXPECT_EQ(prompts.MessageBox("Insert the CD.", Buttons::OkCancel, Icon::Warning), Answer::Cancel);
  ASSERT_EQ(prompts.Messages().size(), 3u);
  const RecordedMessage& second = prompts.Messages()[1];
  EXPECT_EQ(second.text, "Done.");
  EXPECT_EQ(second.buttons, Buttons::Ok);
  EXPECT_EQ(second.icon, Icon::Information);
  EXPECT_EQ(second.answer, Answer::Ok);
  for (const auto& message : prompts.Messages()) EXPECT_FALSE(message.unscripted) << message.text;
}

TEST(EmulatedPromptsTest, UnscriptedQuestionsDeclineAndAreMarked) {
  EmulatedPrompts prompts{MachineFacts{}};
  EXPECT_EQ(prompts.MessageBox("Restart?", Buttons::YesNo, Icon::Question), Answer::No);
  EXPECT_EQ(prompts.MessageBox("Insert the CD.", Buttons::OkCancel, Icon::None), Answer::Cancel);
  EXPECT_EQ(prompts.MessageBox("Error.", Buttons::Ok, Icon::Error), Answer::Ok);
  ASSERT_EQ(prompts.Messages().size(), 3u);
  EXPECT_TRUE(prompts.Messages()[0].unscripted);
  EXPECT_TRUE(prompts.Messages()[1].unscripted);
  EXPECT_FALSE(prompts.Messages()[2].unscripted);
}

TEST(EmulatedPromptsTest, OpenFileAnswersAreQueuedApart) {
  EmulatedPrompts prompts{MachineFacts{}};
  prompts.QueueAnswer(Answer::No);
  prompts.QueueOpenFile(std::string("C:\\APP\\APP.EXE"));
  prompts.QueueOpenFile(std::nullopt);
  platform::OpenFileRequest request{"Programs (*.exe)|*.exe||", "exe", "", platform::ofn::kFileMustExist};
  EXPECT_EQ(prompts.OpenFile(request), "C:\\APP\\APP.EXE");
  EXPECT_EQ(prompts.OpenFile(request), std::nullopt);
  EXPECT_EQ(prompts.OpenFile(request), std::nullopt);
  ASSERT_EQ(prompts.OpenFileRequests().size(), 3u);
  EXPECT_EQ(prompts.OpenFileRequests()[0].request.filter, "Programs (*.exe)|*.exe||");
  EXPECT_FALSE(prompts.OpenFileRequests()[1].unscripted) << "a scripted Cancel";
  EXPECT_TRUE(prompts.OpenFileRequests()[2].unscripted);
  EXPECT_EQ(prompts.MessageBox("Sure?", Buttons::YesNo, Icon::Question), Answer::No);
  EXPECT_FALSE(prompts.Messages()[0].unscripted);
}

TEST(EmulatedPromptsTest, TheImageScriptComesFirst) {
  ImageBuilder img;
  img.Answer(Answer::Yes).OpenFileAnswer(std::string("C:\\A.EXE")).Fact("Prompts", "ShiftKey", "yes");
  auto machine = img.Open();
  ASSERT_TRUE(machine) << img.Error();
  machine->QueueAnswer(Answer::No);
  auto& ask = machine->Ask();
  EXPECT_TRUE(ask.ShiftKeyDown());
  machine->SetShiftKey(false);
  EXPECT_FALSE(ask.ShiftKeyDown());
  EXPECT_EQ(ask.MessageBox("First?", Buttons::YesNo, Icon::Question), Answer::Yes);
  EXPECT_EQ(ask.MessageBox("Second?", Buttons::YesNo, Icon::Question), Answer::No);
  EXPECT_EQ(ask.OpenFile({}), "C:\\A.EXE");
  EXPECT_EQ(machine->Messages().size(), 2u);
}

TEST(EmulatedPromptsTest, WaitCursorsNest) {
  EmulatedPrompts prompts{MachineFacts{}};
  {
    platform::WaitCursor outer(prompts);
    platform::WaitCursor inner(prompts);
    EXPECT_EQ(prompts.WaitCursorDepth(), 2);
  }
  EXPECT_EQ(prompts.WaitCursorDepth(), 0);
}

}  // namespace
}  // namespace cvn::emulated
