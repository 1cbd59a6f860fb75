// The wizard's page logic through the recording sheet: which pages a run
// shows, section navigation, answers and when they are saved, the
// reminders, the contact pages and the About animation.
#include "ui/CCVNWizard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "platform/emulated/ImageBuilder.h"
#include "ui/ContactBlock.h"
#include "ui/ReadMe.h"
#include "ui/fakes/RecordingSheet.h"
#include "ui/dialogs/AboutDialog.h"

namespace cvn {
namespace {

constexpr const char* kApp = "[App Info]\nAppName=Sample\nAppFileName=APP.EXE\nReadMeFile=1|readme.txt\n";
constexpr const char* kFiles =
    "[Program Info]\nAPP.EXE, 1, 1, Y, N, 1.0\n[DLL Info]\nQTRAW.QTC, S, 1, 1, 1, 1.0\n";

class WizardTest : public ::testing::Test {
 protected:
  // A fresh machine with the database loaded, and the wizard with a sheet
  // at its first page.
  void Make(const std::string& cdb, bool nt = false, const char* usageDatabase = nullptr,
            const std::string& folder = "C:\\CORVANE") {
    sheet_.reset();
    wizard_.reset();
    database_.reset();
    context_.reset();
    machine_.reset();
    image_ = std::make_unique<emulated::ImageBuilder>();
    database_ = std::make_unique<ConfigDatabase>();
    if (nt) image_->WindowsNt4(); else image_->Windows95();
    if (folder[0] != 'C') image_->Drive(folder[0], platform::DriveType::Fixed);
    image_->File(folder + "\\APP.EXE", "MZ").File(folder + "\\APP.CDB", cdb + "[End]\n");
    if (usageDatabase != nullptr) image_->File(folder + "\\APP.UDB", usageDatabase);
    machine_ = image_->Open();
    ASSERT_NE(machine_, nullptr) << image_->Error();
    context_ = std::make_unique<RunContext>(*machine_);
    ASSERT_EQ(database_->Load(*context_, folder + "\\APP.CDB"), platform::kSOk);
    context_->isNt = nt;
    wizard_ = std::make_unique<CCVNWizard>(*context_, *database_, answers_, user_, host_);
    sheet_ = std::make_unique<RecordingSheet>(*wizard_);
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : machine_->Messages()) texts.push_back(message.text);
    return texts;
  }

  std::vector<int> PageDialogs() const {
    std::vector<int> dialogs;
    for (const PageLogic* page : wizard_->Pages()) dialogs.push_back(page->DialogId());
    return dialogs;
  }

  std::string CvnIni(const char* key) {
    return machine_->Ini().GetString("Sample", key, "<none>", "C:\\WINDOWS\\cvn.ini", 4096);
  }

  std::unique_ptr<emulated::ImageBuilder> image_;
  std::unique_ptr<emulated::EmulatedMachine> machine_;
  std::unique_ptr<RunContext> context_;
  std::unique_ptr<ConfigDatabase> database_;
  SavedAnswers answers_;
  UserInfo user_;
  RecordingUiHost host_;
  std::unique_ptr<CCVNWizard> wizard_;
  std::unique_ptr<RecordingSheet> sheet_;
};

TEST_F(WizardTest, EveryPageOfEverySectionWithTheDefaults) {
  // A usage database that recorded APP.EXE at another size: a recent change.
  Make(std::string(kApp) + kFiles, false, "[Program Info]\r\nAPP.EXE, 1\r\n   199701010000=, 999, 199701010000\r\n[End]\r\n");
  EXPECT_EQ(PageDialogs(), (std::vector<int>{211, 212, 213, 214, 215, 216, 217, 218, 221, 222, 222,
                                             222, 224, 231, 232, 233, 241, 242, 243, 244, 245, 261,
                                             262, 263, 264}));
  std::vector<const PageLogic*> starts(wizard_->sectionStarts.begin(), wizard_->sectionStarts.begin() + 6);
  EXPECT_EQ(starts, (std::vector<const PageLogic*>{&wizard_->problem1Page, &wizard_->check1Page,
                                                  &wizard_->recent1Page, &wizard_->misc1Page,
                                                  &wizard_->techSupport1Page, nullptr}));
}

TEST_F(WizardTest, OptionsAndWindowsNtChooseThePages) {
  struct Case {
    const char* options;
    bool nt;
    std::vector<int> pages;
  };
  const Case cases[] = {
      // No question at all, not even the section's first page; the advice
      // section has its NT pages and no Safe Mode page; one contact page.
      {"AskQuestionsOptions=0\nCheckConfigurationDatabase=N\nGetUserInfo=N\n", true,
       {241, 242, 266, 267, 251}},
      // Only the Read Me bit, but no Read Me file named below: the first page only.
      {"AskQuestions=N\nCheckMiscOptions=1\nShowTechSupportInfo=N\nCheckConfigurationDatabase=N\n",
       false, {241}},
      // QuickTime asked for but not listed; Safe Mode on Windows 95.
      {"AskQuestionsOptions=32\nCheckConfigurationDatabase=N\nCheckMiscOptions=8\n"
       "ShowTechSupportInfo=N\n", false, {211, 241, 245}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    const bool noReadMe = std::string(c.options).find("CheckMiscOptions=1\n") != std::string::npos;
    Make(std::string("[App Info]\nAppName=Sample\nAppFileName=APP.EXE\n") +
             (noReadMe ? "ReadMeFile=\n" : "ReadMeFile=1|readme.txt\n") +
             "[Program Info]\n[Corvane Info]\n" + c.options,
         c.nt);
    EXPECT_EQ(PageDialogs(), c.pages);
  }
}

TEST_F(WizardTest, OnAFixedDWithoutCdRomTheSettingsPagesStayAndARetryPageLastStillFinishes) {
  // The configuration check alone: its retry page is the last page.
  Make(std::string(kApp) + "[INI Info]\napp\\S\\Key = yes,\nY, N, , \n[Corvane Info]\nAskQuestions=N\n"
                           "CheckMisc=N\nShowTechSupportInfo=N\n",
       false, nullptr, "D:\\APP");
  ASSERT_FALSE(context_->locations.cdromFound);
  EXPECT_EQ(PageDialogs(), (std::vector<int>{221, 222, 223, 224}));
  sheet_.reset();
  RecordingWizardRunner runner(RecordingWizardRunner::Plan::WalkToFinish);
  EXPECT_EQ(runner.Run(*wizard_), WizardResult::Finished);
  EXPECT_EQ(runner.Visited(), (std::vector<int>{221, 222, 223}));
}

TEST_F(WizardTest, TheSingleContactPageIsFirstAndLast) {
  Make(std::string(kApp) + "[Corvane Info]\nAskQuestions=N\nCheckConfigurationDatabase=N\n"
                           "CheckMisc=N\nGetUserInfo=N\n");
  EXPECT_EQ(PageDialogs(), std::vector<int>{251});
  EXPECT_EQ(sheet_->Buttons(), wizbutton::kFinish);  // first and last: Finish, so it can end
  const RecordingSurface& page = sheet_->Surface(wizard_->techSupportPage);
  EXPECT_FALSE(page.Find(IDC_SKIP_SECTION)->enabled);
  EXPECT_FALSE(page.Find(IDC_LAST_SECTION)->enabled);
}

TEST_F(WizardTest, SkipAndLastSectionMoveBetweenSectionStarts) {
  Make(std::string(kApp) + kFiles);
  EXPECT_EQ(sheet_->Buttons(), wizbutton::kNext);
  EXPECT_FALSE(sheet_->Surface(wizard_->problem1Page).Find(IDC_LAST_SECTION)->enabled);
  sheet_->Press(IDC_SKIP_SECTION);
  EXPECT_EQ(sheet_->Active(), &wizard_->check1Page);
  EXPECT_EQ(sheet_->Buttons(), wizbutton::kBack | wizbutton::kNext);
  sheet_->Press(IDC_SKIP_SECTION);
  EXPECT_EQ(sheet_->Active(), &wizard_->misc1Page);  // no usage database: no recent changes
  sheet_->Press(IDC_LAST_SECTION);
  EXPECT_EQ(sheet_->Active(), &wizard_->check1Page);
  EXPECT_EQ(wizard_->SkipSection(wizard_->problem2Page, SectionMove::Ask), platform::kEFail);
  EXPECT_EQ(wizard_->LastSection(wizard_->problem1Page, SectionMove::Ask), platform::kEFail);
  EXPECT_EQ(wizard_->SkipSection(wizard_->techSupport1Page, SectionMove::Ask), platform::kEFail);
  // Back from the configuration section's first page goes into the questions.
  ASSERT_TRUE(sheet_->Back());
  EXPECT_EQ(sheet_->Active(), &wizard_->problem8Page);
}

TEST_F(WizardTest, SkippingTheQuestionsSavesNoAnswersButWalkingThemDoes) {
  Make(std::string(kApp) + kFiles);
  sheet_->Press(IDC_SKIP_SECTION);
  EXPECT_EQ(CvnIni("IsRebootable"), "<none>");
  sheet_->Press(IDC_LAST_SECTION);  // back at the questions' first page
  ASSERT_TRUE(sheet_->Next());
  // A saved 2 checks the third button, Don't know, whose number is 1101.
  EXPECT_TRUE(sheet_->Surface(wizard_->problem2Page).GetCheck(IDC_ANSWER_DONT_KNOW));
  sheet_->Surface(wizard_->problem2Page).SetCheck(IDC_ANSWER_DONT_KNOW, false);
  sheet_->Surface(wizard_->problem2Page).SetCheck(IDC_ANSWER_NO, true);
  while (sheet_->Active() != &wizard_->check1Page) ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(CvnIni("IsRebootable"), "1");
  EXPECT_EQ(CvnIni("ShowIntro"), "1");
}

TEST_F(WizardTest, RestartReminderIsArmedByAnotherAnswerAndForcedByShift) {
  Make(std::string(kApp) + kFiles);
  ASSERT_TRUE(sheet_->Next());  // the restart question, answered Don't know
  ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(host_.shown, std::vector<int>{IDD_RESTART_REMINDER});
  ASSERT_TRUE(sheet_->Back());  // Back never reminds
  ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(host_.shown.size(), 1u);  // disarmed
  ASSERT_TRUE(sheet_->Back());
  machine_->SetShiftKey(true);
  ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(host_.shown.size(), 2u);  // Shift forces it
  machine_->SetShiftKey(false);
  ASSERT_TRUE(sheet_->Back());
  RecordingSurface& page = sheet_->Surface(wizard_->problem2Page);
  page.SetCheck(IDC_ANSWER_DONT_KNOW, false);
  page.SetCheck(IDC_ANSWER_YES, true);
  ASSERT_TRUE(sheet_->Next());  // another answer re-arms
  EXPECT_TRUE(wizard_->problem2Page.ReminderArmed());
  EXPECT_EQ(host_.shown.size(), 2u);
}

// The answer saved is the one just given, not the one the page was shown with.
TEST_F(WizardTest, RestartWindowsFromTheReminderSavesTheAnswersFirst) {
  answers_.isRebootable = answer::kYes;
  Make(std::string(kApp) + kFiles);
  machine_->QueueAnswer(platform::Answer::No);
  machine_->QueueAnswer(platform::Answer::Yes);
  host_.QueueCommands(IDD_RESTART_REMINDER, {IDC_RESTART_WINDOWS, IDC_RESTART_WINDOWS});
  ASSERT_TRUE(sheet_->Next());
  RecordingSurface& page = sheet_->Surface(wizard_->problem2Page);
  page.SetCheck(IDC_ANSWER_YES, false);
  page.SetCheck(IDC_ANSWER_DONT_KNOW, true);
  ASSERT_TRUE(sheet_->Next());
  ASSERT_EQ(MessageTexts(), (std::vector<std::string>{"Restart Windows now?", "Restart Windows now?"}));
  EXPECT_EQ(machine_->RestartRequests(), std::vector<uint32_t>{platform::exitwin::kReboot});
  EXPECT_EQ(CvnIni("IsRebootable"), "2");
}

TEST_F(WizardTest, SymptomsDropUnknownBits) {
  answers_.symptoms = 0x40 | symptom::kAudio;
  Make(std::string(kApp) + kFiles);
  while (sheet_->Active() != &wizard_->problem8Page) ASSERT_TRUE(sheet_->Next());
  EXPECT_TRUE(sheet_->Surface(wizard_->problem8Page).GetCheck(IDC_SYMPTOM_AUDIO));
  sheet_->Surface(wizard_->problem8Page).SetCheck(IDC_SYMPTOM_CRASHES, true);
  ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(answers_.symptoms, symptom::kAudio | symptom::kCrashes);
}

TEST_F(WizardTest, ContactPagesSaveTheUserAndRefuseALongDescription) {
  Make(std::string(kApp) + "[Corvane Info]\nAskQuestions=N\nCheckConfigurationDatabase=N\nCheckMisc=N\n");
  ASSERT_TRUE(sheet_->Next());
  sheet_->Surface(wizard_->techSupport2Page).SetText(IDC_USER_NAME, "Ann");
  ASSERT_TRUE(sheet_->Next());
  RecordingSurface& problem = sheet_->Surface(wizard_->techSupport3Page);
  EXPECT_EQ(problem.Control(IDC_PROBLEM_DESC).textLimit, 2048u) << "typing stops at the limit";
  problem.SetText(IDC_PROBLEM_DESC, std::string(2049, 'x'));
  EXPECT_FALSE(sheet_->Next());
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please enter no more than 2048 characters."});
  const std::string description = "It stops.\r\n" + std::string(2037, 'x');
  problem.SetText(IDC_PROBLEM_DESC, description);
  ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(CvnIni("UserName"), "Ann");
  EXPECT_EQ(CvnIni("ProblemDesc"), "It stops.\\r\\n" + std::string(2037, 'x'));
  EXPECT_EQ(LoadUserInfo(*context_).problemDesc, description) << "the next run reads it whole";
  EXPECT_EQ(sheet_->Buttons(), wizbutton::kBack | wizbutton::kFinish);
}

TEST_F(WizardTest, ContactBlockLineRules) {
  struct Case {
    const char* vendor;
    std::vector<std::string> pairs;  // controls 1502..1507
  };
  const Case cases[] = {
      {"VendorFax=5\nTechSupportFax=\nTechSupportEMail=a@b\n", {"Fax", "5", "E-mail", "a@b", "", ""}},
      {"VendorPhone=1\nTechSupportFax=2\n", {"Fax", "2", "", "", "", ""}},
      {"TechSupportPhone=1\nTechSupportFax=2\nTechSupportEMail=3\n",
       {"Phone", "1", "Fax", "2", "E-mail", "3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vendor);
    Make(std::string(kApp) + "[Vendor Info]\nVendorName=V\n" + c.vendor);
    const ContactBlock block =
        BuildContactBlock(database_->GetSection(SectionId::VendorInfo), machine_->Texts());
    EXPECT_EQ(block.texts[0], "V");
    EXPECT_EQ(std::vector<std::string>(block.texts.begin() + 2, block.texts.begin() + 8), c.pairs);
  }
  EXPECT_EQ(BuildContactBlock(nullptr, machine_->Texts()).texts, ContactBlock().texts);
}

TEST_F(WizardTest, ReadMeFallsBackToWordPadThenTheShell) {
  Make(kApp);
  EXPECT_EQ(wizard_->ReadMe().viewer, "c:\\Program Files\\Accessories\\WordPad.exe");
  EXPECT_TRUE(ReadMeNamed(wizard_->ReadMe().file));
  EXPECT_FALSE(ReadMeNamed("c:\\app\\"));
  std::string viewer = "c:\\viewer.exe";
  ShowReadMe(*context_, viewer, "c:\\my app\\readme.txt");
  ASSERT_EQ(machine_->StartedProcesses().size(), 2u);
  EXPECT_EQ(machine_->StartedProcesses()[1].commandLine,
            "\"c:\\Program Files\\Accessories\\WordPad.exe\" \"c:\\my app\\readme.txt\"");
  EXPECT_EQ(viewer, "c:\\Program Files\\Accessories\\WordPad.exe");
  EXPECT_EQ(machine_->OpenedDocuments(), std::vector<std::string>{"c:\\my app\\readme.txt"});
}

TEST_F(WizardTest, IntroductionWithShiftAndClearedBoxSavesAtOnce) {
  answers_.showIntro = 0;
  Make(kApp);
  wizard_->ShowIntroductionIfWanted();
  EXPECT_TRUE(host_.shown.empty());
  machine_->SetShiftKey(true);
  host_.QueueCommands(IDD_INTRODUCTION, {kIdCancel, kIdOk});  // only OK closes it
  wizard_->ShowIntroductionIfWanted();
  EXPECT_EQ(host_.shown, std::vector<int>{IDD_INTRODUCTION});
  EXPECT_EQ(host_.surfaces[IDD_INTRODUCTION].GetText(IDC_APP_NAME), "Sample");
  EXPECT_EQ(answers_.showIntro, 1);  // the box starts checked
  EXPECT_EQ(CvnIni("ShowIntro"), "<none>");
  // Cleared, the box switches the introduction off and saves at once.
  host_.userActs = [](int dialog, RecordingSurface& surface) {
    if (dialog == IDD_INTRODUCTION) surface.SetCheck(IDC_SHOW_NEXT_TIME, false);
  };
  wizard_->ShowIntroductionIfWanted();
  EXPECT_EQ(answers_.showIntro, 0);
  EXPECT_EQ(CvnIni("ShowIntro"), "0");
}

TEST_F(WizardTest, HelpContextsByPage) {
  Make(std::string(kApp) + kFiles);
  EXPECT_EQ(wizard_->check2Page.HelpContext(), 300);
  EXPECT_EQ(wizard_->check3Page.HelpContext(), 301);
  EXPECT_EQ(wizard_->check8Page.HelpContext(), 302);
  EXPECT_EQ(wizard_->check11Page.HelpContext(), 303);
  EXPECT_EQ(wizard_->problem3Page.HelpContext(), 213);
  EXPECT_EQ(HelpContextFor(IDD_AUTOEXEC_BAT), 700);
  EXPECT_EQ(HelpContextFor(IDD_FILE_DEPENDENT), 800);
  EXPECT_EQ(HelpTopicPath("C:\\APP\\CORVANE.EXE", 213), "C:\\APP\\help\\213.htm");
  wizard_->ShowHelp(301);
  EXPECT_EQ(machine_->OpenedDocuments(), std::vector<std::string>{"C:\\CORVANE\\help\\301.htm"});
}

TEST(AboutDialog, SlowFramesThenAFastLoop) {
  CAboutDialog about;
  RecordingSurface surface;
  surface.Control(IDC_PICTURE).rect = {10, 20, 42, 52};
  about.OnInitDialog(surface);
  EXPECT_TRUE(surface.Find(IDC_PICTURE)->destroyed);
  EXPECT_EQ(surface.timers, std::vector<int>{200});
  std::vector<int> frames;
  for (int tick = 0; tick < 4 * 9 + 20; ++tick) {
    about.OnTimer(surface);
    frames.push_back(about.Frame());
  }
  for (int frame = 0; frame < 4; ++frame) {
    EXPECT_EQ(std::count(frames.begin(), frames.end(), frame), frame == 0 ? 8 : 9) << frame;
  }
  // After the slow frames every tick moves on, and 19 is followed by 4.
  const size_t fast = 4 * 9 - 1;
  EXPECT_EQ(frames[fast], 4);
  EXPECT_EQ(frames[fast + 15], 19);
  EXPECT_EQ(frames[fast + 16], 4);
  about.OnPaint(surface);
  EXPECT_EQ(surface.drawn.back(), (DrawnIcon{600 + about.Frame(), 10, 20}));
}

}  // namespace
}  // namespace cvn
