#include "config/Answers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/ImageBuilder.h"

namespace cvn {
namespace {

using emulated::EmulatedMachine;
using emulated::ImageBuilder;

constexpr const char* kAnswersPath = "C:\\WINDOWS\\cvn.ini";

// A machine whose cvn.ini holds `contents` (no file when empty), and a run
// for the application "Viewer".
class AnswersTest : public ::testing::Test {
 protected:
  void Start(const std::string& contents = "") {
    if (!contents.empty()) image_.File(kAnswersPath, contents);
    machine_ = image_.Open();
    ASSERT_TRUE(machine_) << image_.Error();
    context_ = std::make_unique<RunContext>(*machine_);
    context_->appName = "Viewer";
  }

  std::string Read(const std::string& section, const std::string& key) {
    return machine_->Ini().GetString(section, key, "(missing)", kAnswersPath, 4096);
  }
  std::vector<std::string> Keys(const std::string& section) {
    return machine_->Ini().GetKeys(section, kAnswersPath);
  }

  ImageBuilder image_;
  std::unique_ptr<EmulatedMachine> machine_;
  std::unique_ptr<RunContext> context_;
};

TEST_F(AnswersTest, FirstRunGivesTheDefaults) {
  Start();
  const SavedAnswers answers = LoadAnswers(*context_);
  EXPECT_EQ(answers.showIntro, 1);
  for (int code : {answers.isRebootable, answers.isConsistent, answers.isOnlyAppWithProblem,
                   answers.isLoadProblem, answers.isRecentProblem, answers.isQTProblem}) {
    EXPECT_EQ(code, answer::kDontKnow);
  }
  EXPECT_EQ(answers.symptoms, 0);
  EXPECT_EQ(LoadUserInfo(*context_), UserInfo{});
  EXPECT_FALSE(ChangesMadeMarked(*context_));
  EXPECT_FALSE(machine_->Files().ReadFile(kAnswersPath).has_value()) << "loading wrote the file";
}

TEST_F(AnswersTest, ReadsEachKeyIntoItsField) {
  Start(
      "[Viewer]\r\n"
      "ShowIntro=0\r\n"
      "IsRebootable=1\r\n"
      "IsConsistent=0\r\n"
      "IsOnlyAppWithProblem=1\r\n"
      "IsLoadProblem=0\r\n"
      "IsRecentProblem=2\r\n"
      "IsQTProblem=1\r\n"
      "Symptoms=96\r\n");
  const SavedAnswers expected{.showIntro = 0,
                              .isRebootable = answer::kNo,
                              .isConsistent = answer::kYes,
                              .isOnlyAppWithProblem = answer::kNo,
                              .isLoadProblem = answer::kYes,
                              .isRecentProblem = answer::kDontKnow,
                              .isQTProblem = answer::kNo,
                              // the unknown bit 0x40 is kept; the symptoms page drops it
                              .symptoms = 0x60};
  EXPECT_EQ(LoadAnswers(*context_), expected);
}

// Values the pages never wrote: a question answer outside yes and no means
// "don't know"; other keys keep what the profile call reads.
TEST_F(AnswersTest, OddValuesAreReadSafely) {
  Start(
      "[Viewer]\r\n"
      "IsRebootable=7\r\n"
      "IsConsistent=-1\r\n"
      "IsOnlyAppWithProblem=\r\n"
      "IsLoadProblem=1 (no)\r\n"
      "ShowIntro=5\r\n"
      "Symptoms=junk\r\n");
  const SavedAnswers answers = LoadAnswers(*context_);
  EXPECT_EQ(answers.isRebootable, answer::kDontKnow);
  EXPECT_EQ(answers.isConsistent, answer::kDontKnow);
  EXPECT_EQ(answers.isOnlyAppWithProblem, answer::kDontKnow);  // an empty value keeps the default
  EXPECT_EQ(answers.isLoadProblem, answer::kNo);
  EXPECT_EQ(answers.isRecentProblem, answer::kDontKnow);  // missing
  EXPECT_EQ(answers.showIntro, 5);
  EXPECT_EQ(answers.symptoms, 0);
}

TEST_F(AnswersTest, SaveWritesDateFirstThenEveryAnswerAndRoundTrips) {
  image_.Fact("Clock", "Now", "2003-02-05 09:04:00");
  Start();
  const SavedAnswers answers{.showIntro = 0,
                             .isRebootable = answer::kYes,
                             .isConsistent = answer::kNo,
                             .isLoadProblem = answer::kNo,
                             .isQTProblem = answer::kYes,
                             .symptoms = symptom::kCrashes | symptom::kPrinting};
  SaveAnswers(*context_, answers);

  const std::vector<std::string> order{"Date",          "ShowIntro",       "IsRebootable",
                                       "IsConsistent",  "IsOnlyAppWithProblem",
                                       "IsLoadProblem", "IsRecentProblem", "IsQTProblem",
                                       "Symptoms"};
  EXPECT_EQ(Keys("Viewer"), order);
  EXPECT_EQ(Read("Viewer", "Date"), "2003 02 05");
  EXPECT_EQ(Read("Viewer", "IsConsistent"), "1");
  EXPECT_EQ(Read("Viewer", "IsOnlyAppWithProblem"), "2");
  EXPECT_EQ(Read("Viewer", "Symptoms"), "17");

  EXPECT_EQ(LoadAnswers(*context_), answers);
}

TEST_F(AnswersTest, UserInfoRoundTripsInTableOrder) {
  Start();
  UserInfo info;
  info.userName = "Ann Smith";
  info.companyName = "Smith & Co";
  info.address1 = "1 Main St";
  info.address3 = "Springfield";
  info.phone = "555-0100";
  info.fax = "555-0101";
  info.email = "ann@example.com";
  info.problemId = "42";
  info.problemDesc = "Crashes when printing";
  SaveUserInfo(*context_, info);

  const std::vector<std::string> order{"UserName",  "CompanyName", "Address1", "Address2",
                                       "Address3",  "Phone",       "Fax",      "Email",
                                       "ProblemID", "ProblemDesc", "UserInfoForm"};
  EXPECT_EQ(Keys("Viewer"), order);
  EXPECT_EQ(Read("Viewer", "UserInfoForm"), "2");
  EXPECT_EQ(LoadUserInfo(*context_), info);
}

// Whatever the user typed comes back exactly, each detail on its one line
// of the file: line breaks, tabs, backslashes, blanks and quotes at the
// ends, and 2048 characters that all need escaping.
TEST_F(AnswersTest, UserTextsRoundTripWhole) {
  const struct {
    std::string text;
    const char* saved;  // as the file holds it; null: not compared
  } cases[] = {
      {"Line one\r\nLine two\r\n\r\n  indented", "Line one\\r\\nLine two\\r\\n\\r\\n  indented"},
      {"lone\nfeed and lone\rreturn", "lone\\nfeed and lone\\rreturn"},
      {"Ada\tPark", "Ada\\tPark"},
      {"C:\\new\\temp\\", "C:\\\\new\\\\temp\\\\"},
      {"  blanks at both ends  ", "\\x20 blanks at both ends \\x20"},
      {"\"quoted\"", "\\x22quoted\""},
      {"'single'", "\\x27single'"},
      {"bell\x07 and delete\x7F, M\xFCller", "bell\\x07 and delete\\x7F, M\xFCller"},
      {"\\xZZ and a last \\", "\\\\xZZ and a last \\\\"},
      {std::string(2048, 'x'), nullptr},
      {std::string(2048, '\x01'), nullptr},
      {std::string(1024, '\r') + std::string(1024, '\n'), nullptr},
  };
  Start();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    UserInfo info;
    info.problemDesc = c.text;
    info.address2 = c.text;
    SaveUserInfo(*context_, info);
    if (c.saved != nullptr) {
      EXPECT_EQ(Read("Viewer", "ProblemDesc"), c.saved);
    }
    EXPECT_EQ(LoadUserInfo(*context_), info);
  }
  EXPECT_EQ(Keys("Viewer").size(), 11u) << "a detail spilled onto lines of its own";
}

// A section an earlier version wrote has no "UserInfoForm": its details are
// read as they stand, backslashes and all, the profile read dropping what it
// always dropped; a description written over several lines gives its first.
TEST_F(AnswersTest, DetailsOfAnEarlierVersionReadAsBefore) {
  const std::string longText(3000, 'x');
  Start("[Viewer]\r\nUserName=\"Ann\"\r\nAddress1=C:\\new\\temp \\x41\r\n"
        "Phone=  555-0100  \r\nProblemDesc=It crashes.\r\nSteps: open a file\r\n"
        "Email=" + longText + "\r\n");
  const UserInfo info = LoadUserInfo(*context_);
  EXPECT_EQ(info.userName, "Ann");
  EXPECT_EQ(info.address1, "C:\\new\\temp \\x41");
  EXPECT_EQ(info.phone, "555-0100");
  EXPECT_EQ(info.problemDesc, "It crashes.");
  EXPECT_EQ(info.email, longText) << "no longer cut at 2047 characters";
}

TEST_F(AnswersTest, ApplicationsKeepSeparateSections) {
  Start(
      "[Other]\r\n"
      "IsConsistent=0\r\n"
      "UserName=Bob\r\n"
      "ChangesMade=0\r\n");
  SavedAnswers answers;
  answers.isConsistent = answer::kNo;
  SaveAnswers(*context_, answers);
  UserInfo info;
  info.userName = "Ann";
  SaveUserInfo(*context_, info);
  MarkChangesMade(*context_);

  EXPECT_EQ(Keys("Other"), (std::vector<std::string>{"IsConsistent", "UserName", "ChangesMade"}));
  EXPECT_EQ(Read("Other", "IsConsistent"), "0");
  EXPECT_EQ(Read("Other", "UserName"), "Bob");
  EXPECT_EQ(Read("Other", "ChangesMade"), "0");

  RunContext other(*machine_);
  other.appName = "Other";
  EXPECT_EQ(LoadAnswers(other).isConsistent, answer::kYes);
  EXPECT_EQ(LoadUserInfo(other).userName, "Bob");
  EXPECT_FALSE(ChangesMadeMarked(other));
  EXPECT_EQ(LoadAnswers(*context_).isConsistent, answer::kNo);
  EXPECT_TRUE(ChangesMadeMarked(*context_));
}

TEST_F(AnswersTest, ChangesMadeMarkerIsSetAndCleared) {
  Start("[Viewer]\r\nUserName=Ann\r\n");
  MarkChangesMade(*context_);
  EXPECT_EQ(Read("Viewer", "ChangesMade"), "1");
  EXPECT_TRUE(ChangesMadeMarked(*context_));

  ClearChangesMade(*context_);
  EXPECT_EQ(Read("Viewer", "ChangesMade"), "0");
  EXPECT_FALSE(ChangesMadeMarked(*context_));
  EXPECT_EQ(Read("Viewer", "UserName"), "Ann");
}

// Saving the answers leaves the other keys of the section as they were.
TEST_F(AnswersTest, SavingAnswersKeepsUserInfoAndMarker) {
  Start("[Viewer]\r\nChangesMade=1\r\nEmail=ann@example.com\r\n");
  SaveAnswers(*context_, SavedAnswers{});
  EXPECT_TRUE(ChangesMadeMarked(*context_));
  EXPECT_EQ(LoadUserInfo(*context_).email, "ann@example.com");
}

// The answers file follows the Windows folder of the machine.
TEST_F(AnswersTest, FileLivesInTheWindowsFolder) {
  image_.WindowsNt4();
  machine_ = image_.Open();
  ASSERT_TRUE(machine_) << image_.Error();
  RunContext context(*machine_);
  context.appName = "Viewer";
  MarkChangesMade(context);
  const std::string path = machine_->Files().WindowsDirectory() + "\\cvn.ini";
  EXPECT_EQ(machine_->Ini().GetString("Viewer", "ChangesMade", "", path, 16), "1");
  EXPECT_FALSE(machine_->Files().ReadFile(kAnswersPath).has_value());
}

}  // namespace
}  // namespace cvn
