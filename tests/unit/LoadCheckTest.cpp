#include <gtest/gtest.h>

#include "checks/FileCheck.h"
#include "checks/LoadCheck.h"
#include "config/ItemStatus.h"
#include "ConfigTestSupport.h"
#include "config/ValueFormats.h"
#include "tests/support/FileCheckTestFiles.h"
#include "ui/fakes/ScriptedProgressDialog.h"

namespace cvn {
namespace {

constexpr const char* kChecker32 = "c:\\corvane\\Lodvex32.exe";
constexpr const char* kChecker16 = "c:\\corvane\\Lodvex16.exe";
constexpr const char* kChecker64 = "c:\\corvane\\Lodvex64.exe";

class LoadCheckTest : public test::ConfigMachineTest {
 protected:
  void SetUp() override {
    image_.File("C:\\CORVANE\\LODVEX32.EXE", "MZ")
        .File("C:\\CORVANE\\LODVEX64.EXE", "MZ")
        .File("C:\\CORVANE\\LODVEX16.EXE", "MZ");
  }

  // Loads an application in C:\APP with DLLs A to D and control E.OCX.
  void LoadApp(bool win32 = true) {
    image_.File("C:\\APP\\APP.EXE", "MZ");
    const std::string cdb = std::string("[App Info]\nAppName=App\nAppFileName=APP.EXE\nAppWin32=") +
                            (win32 ? "Yes" : "No") +
                            "\n[Directory Info]\n"
                            "[DLL Info]\nA.DLL, 1, 1, Y, N\nB.DLL, 1, 1, Y, N\nC.DLL, 1, 1, Y, N\n"
                            "D.DLL, 1, 1, Y, N\n"
                            "[Active X/OCX/VBX Info]\nE.OCX, 1, 1, Y, N\n";
    ASSERT_EQ(Load("C:\\APP\\APP.CDB", cdb), platform::kSOk);
  }

  // The exit code one checker gives for one module of C:\APP.
  void Answer(const char* checker, const char* module, uint32_t code) {
    machine_->SetExitCode(CheckerCommandLine(checker, std::string("c:\\app\\") + module, module), code);
  }

  FileItem& Item(const char* name) {
    for (const SectionId id : {SectionId::DllInfo, SectionId::ControlInfo}) {
      if (auto* item = database_.GetSection(id)->FindItemAs<FileItem>(name, CaseSensitivity::Insensitive)) {
        return *item;
      }
    }
    ADD_FAILURE() << name;
    static FileItem none("none");
    return none;
  }

  // The checkers started, as "32 A.DLL", "64 A.DLL" or "16 A.DLL", in order.
  std::vector<std::string> Starts() const {
    std::vector<std::string> starts;
    for (const auto& started : machine_->StartedProcesses()) {
      const bool is16 = started.commandLine.find("Lodvex16") != std::string::npos;
      const bool is64 = started.commandLine.find("Lodvex64") != std::string::npos;
      EXPECT_EQ(started.creationFlags, is16 ? lodvex::kSeparateWowVdm : 0u) << started.commandLine;
      const size_t lastQuote = started.commandLine.rfind('"', started.commandLine.size() - 2);
      starts.push_back((is16 ? "16 " : is64 ? "64 " : "32 ") +
                       started.commandLine.substr(lastQuote + 1, started.commandLine.size() - lastQuote - 2));
    }
    return starts;
  }

  ScriptedProgressDialogs dialogs_;
};

TEST(CheckerCommandLineTest, QuotesEveryPart) {
  EXPECT_EQ(CheckerCommandLine("C:\\Program Files\\Corvane\\Lodvex32.exe", "C:\\Program Files\\App\\A B.DLL",
                               "A B.DLL"),
            "\"C:\\Program Files\\Corvane\\Lodvex32.exe\" \"C:\\Program Files\\App\\A B.DLL\" \"A B.DLL\"");
}

TEST_F(LoadCheckTest, RecordsWhatTheCheckersAnswer) {
  LoadApp();
  Answer(kChecker32, "A.DLL", 101);
  Answer(kChecker32, "B.DLL", 102);
  Answer(kChecker32, "C.DLL", 1);
  Answer(kChecker16, "C.DLL", 2);
  Answer(kChecker32, "D.DLL", 100);
  Answer(kChecker16, "D.DLL", 101);
  Answer(kChecker32, "E.OCX", 0);
  database_.loadCheckIncomplete = true;

  EXPECT_EQ(RunDllLoadCheck(*context_, database_, dialogs_), platform::kSOk);

  EXPECT_EQ(Item("A.DLL").bitness, bitness::k32);
  EXPECT_EQ(Item("A.DLL").loadResult, loadresult::kNone);
  EXPECT_EQ(Item("B.DLL").bitness, bitness::k32);
  EXPECT_EQ(Item("B.DLL").loadResult, loadresult::kUnexpectedFolder);
  EXPECT_EQ(Item("C.DLL").bitness, bitness::kUnknown);
  EXPECT_EQ(Item("C.DLL").loadResult, loadresult::kNotLoaded);
  EXPECT_EQ(Item("D.DLL").bitness, bitness::k16);
  EXPECT_EQ(Item("D.DLL").loadResult, loadresult::kNone);
  EXPECT_EQ(Item("E.OCX").bitness, bitness::kUnknown);
  EXPECT_EQ(Item("E.OCX").loadResult, loadresult::kNone);
  EXPECT_FALSE(database_.loadCheckIncomplete);
  EXPECT_EQ(Starts(), (std::vector<std::string>{"32 A.DLL", "32 B.DLL", "32 C.DLL", "16 C.DLL",
                                                "32 D.DLL", "16 D.DLL", "32 E.OCX"}));
  EXPECT_TRUE(machine_->Messages().empty());
}

TEST_F(LoadCheckTest, ShowsEachItemInTheProgressDialog) {
  LoadApp();
  Answer(kChecker32, "A.DLL", 101);
  static_cast<void>(RunDllLoadCheck(*context_, database_, dialogs_));
  ASSERT_EQ(dialogs_.Opened().size(), 1u);
  const ProgressRecord& shown = *dialogs_.Opened()[0];
  // The caption says what runs; the message names each item in turn.
  EXPECT_EQ(shown.title, "Performing DLL load check.");
  EXPECT_EQ(shown.messages, (std::vector<std::string>{"Checking A.DLL", "Checking B.DLL", "Checking C.DLL",
                                                      "Checking D.DLL", "Checking E.OCX"}));
  EXPECT_EQ(shown.bar, (std::vector<int>{0, 20, 40, 60, 80}));
  EXPECT_EQ(shown.pumps, 5);
  EXPECT_TRUE(shown.closed);
}

TEST_F(LoadCheckTest, A16BitApplicationTriesThe16BitCheckerFirst) {
  LoadApp(false);
  Answer(kChecker16, "A.DLL", 101);
  Answer(kChecker16, "B.DLL", 7);
  Answer(kChecker32, "B.DLL", 102);
  static_cast<void>(RunDllLoadCheck(*context_, database_, dialogs_));
  EXPECT_EQ(Item("A.DLL").bitness, bitness::k16);
  EXPECT_EQ(Item("B.DLL").bitness, bitness::k32);
  EXPECT_EQ(Item("B.DLL").loadResult, loadresult::kUnexpectedFolder);
  const std::vector<std::string> starts = Starts();
  ASSERT_GE(starts.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(starts.begin(), starts.begin() + 3),
            (std::vector<std::string>{"16 A.DLL", "16 B.DLL", "32 B.DLL"}));
}

TEST_F(LoadCheckTest, ACheckerThatCannotStartLeavesTheLoadUnchecked) {
  LoadApp();
  // Nothing answers for A.DLL: neither start succeeds, so nothing is known.
  Answer(kChecker16, "B.DLL", 101);
  static_cast<void>(RunDllLoadCheck(*context_, database_, dialogs_));
  EXPECT_EQ(Item("A.DLL").loadResult, loadresult::kNotChecked);
  EXPECT_EQ(Item("B.DLL").bitness, bitness::k16);
  EXPECT_FALSE(machine_->StartedProcesses().at(0).started);
}

// Each module goes to the checker its headers call for, whatever the
// application's bitness; a checker that cannot run here (the x64 one on
// 32-bit Windows) leaves the load unchecked, never "could not be loaded".
TEST_F(LoadCheckTest, EachModuleGoesToTheCheckerOfItsOwnBitness) {
  image_.File("C:\\APP\\A.DLL", test::PlainDll())
      .File("C:\\APP\\B.DLL", test::X64Dll())
      .File("C:\\APP\\C.DLL", test::X64Dll())
      .File("C:\\APP\\D.DLL", test::DllFor(0x14C, 0x20B))  // PE32+ magic for the x86: neither
      .File("C:\\APP\\E.OCX", test::PlainDll());
  LoadApp();
  Answer(kChecker32, "A.DLL", 101);
  Answer(kChecker64, "B.DLL", 102);
  // C.DLL: the x64 checker cannot be started.
  Answer(kChecker32, "D.DLL", 100);
  Answer(kChecker32, "E.OCX", 100);
  EXPECT_EQ(RunDllLoadCheck(*context_, database_, dialogs_), platform::kSOk);

  EXPECT_EQ(Starts(), (std::vector<std::string>{"32 A.DLL", "64 B.DLL", "64 C.DLL", "32 D.DLL", "16 D.DLL",
                                                "32 E.OCX"}));
  EXPECT_EQ(Item("A.DLL").bitness, bitness::k32);
  EXPECT_EQ(Item("B.DLL").bitness, bitness::k64);
  EXPECT_EQ(Item("B.DLL").loadResult, loadresult::kUnexpectedFolder);
  EXPECT_EQ(Item("C.DLL").loadResult, loadresult::kNotChecked);
  EXPECT_EQ(Item("C.DLL").bitness, bitness::kUnknown);
  EXPECT_EQ(Item("D.DLL").loadResult, loadresult::kNotLoaded);
  EXPECT_EQ(Item("E.OCX").loadResult, loadresult::kNotLoaded);

  FileCheckOutputs outputs;
  CheckFile(*context_, Item("C.DLL"), nullptr, outputs, true);
  EXPECT_EQ(outputs.result, filestatus::kOk);
  EXPECT_EQ(outputs.notes,
            "The load of this file could not be checked: its checker cannot run on this computer.");
  CheckFile(*context_, Item("E.OCX"), nullptr, outputs, true);
  EXPECT_EQ(outputs.result, filestatus::kNotLoadable);
}

TEST_F(LoadCheckTest, AMissingCheckerSkipsTheWholeCheck) {
  LoadApp();
  for (const char* checker : {"Lodvex16.exe", "Lodvex64.exe"}) {
    SCOPED_TRACE(checker);
    database_.loadCheckIncomplete = false;
    ASSERT_TRUE(machine_->Files().CopyFile(std::string("C:\\CORVANE\\") + checker, "C:\\CORVANE\\KEPT.EXE",
                                           platform::FailIfExists::No));
    ASSERT_TRUE(machine_->Files().DeleteFile(std::string("C:\\CORVANE\\") + checker));
    const size_t shown = MessageTexts().size();
    EXPECT_EQ(RunDllLoadCheck(*context_, database_, dialogs_), platform::kEFail);
    ASSERT_EQ(MessageTexts().size(), shown + 1);
    EXPECT_EQ(MessageTexts().back(), std::string("Unable to locate 'c:\\corvane\\") + checker +
                                         "' required to perform the DLL load check.");
    EXPECT_TRUE(database_.loadCheckIncomplete);
    EXPECT_TRUE(machine_->StartedProcesses().empty());
    EXPECT_TRUE(dialogs_.Opened().empty());
    ASSERT_TRUE(machine_->Files().MoveFile("C:\\CORVANE\\KEPT.EXE", std::string("C:\\CORVANE\\") + checker, 0));
  }
}

TEST_F(LoadCheckTest, TheMissing32BitCheckerIsNamedFirst) {
  LoadApp();
  ASSERT_TRUE(machine_->Files().DeleteFile("C:\\CORVANE\\LODVEX32.EXE"));
  ASSERT_TRUE(machine_->Files().DeleteFile("C:\\CORVANE\\LODVEX16.EXE"));
  static_cast<void>(RunDllLoadCheck(*context_, database_, dialogs_));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{
                                "Unable to locate 'c:\\corvane\\Lodvex32.exe' required to perform the "
                                "DLL load check."});
}

TEST_F(LoadCheckTest, CancelAfterTheThirdItemKeepsTheirResults) {
  LoadApp();
  for (const char* module : {"A.DLL", "B.DLL", "C.DLL", "D.DLL", "E.OCX"}) {
    Answer(kChecker32, module, 102);
  }
  ScriptedProgressDialogs cancelling(3);
  EXPECT_EQ(RunDllLoadCheck(*context_, database_, cancelling), platform::kEFail);
  for (const char* module : {"A.DLL", "B.DLL", "C.DLL"}) {
    EXPECT_EQ(Item(module).loadResult, loadresult::kUnexpectedFolder) << module;
  }
  for (const char* module : {"D.DLL", "E.OCX"}) {
    EXPECT_EQ(Item(module).loadResult, loadresult::kNone) << module;
    EXPECT_EQ(Item(module).bitness, bitness::kUnknown) << module;
  }
  EXPECT_TRUE(database_.loadCheckIncomplete);
  EXPECT_EQ(machine_->StartedProcesses().size(), 3u);
  EXPECT_TRUE(cancelling.Opened().at(0)->cancelled);
  EXPECT_TRUE(cancelling.Opened().at(0)->closed);
}

TEST_F(LoadCheckTest, PathsWithBlanksReachTheCheckerQuoted) {
  image_.File("C:\\Program Files\\App\\APP.EXE", "MZ");
  ASSERT_EQ(
      Load("C:\\Program Files\\App\\APP.CDB",
           "[App Info]\nAppName=App\nAppFileName=APP.EXE\n[Directory Info]\n[DLL Info]\nMY LIB.DLL, 1, 1, Y, N\n"),
      platform::kSOk);
  machine_->SetExitCode(
      "\"c:\\corvane\\Lodvex32.exe\" \"c:\\program files\\app\\MY LIB.DLL\" \"MY LIB.DLL\"", 101);
  static_cast<void>(RunDllLoadCheck(*context_, database_, dialogs_));
  EXPECT_EQ(database_.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(0)->bitness, bitness::k32);
}

TEST_F(LoadCheckTest, RunsOnceAndNotWhenTheApplicationLoads) {
  LoadApp();
  Answer(kChecker32, "A.DLL", 101);
  EXPECT_TRUE(context_->loadCheckPending);
  EXPECT_FALSE(RunPendingDllLoadCheck(*context_, database_, dialogs_, answer::kYes));
  EXPECT_TRUE(machine_->StartedProcesses().empty());
  EXPECT_TRUE(RunPendingDllLoadCheck(*context_, database_, dialogs_, answer::kDontKnow));
  EXPECT_FALSE(context_->loadCheckPending);
  const size_t starts = machine_->StartedProcesses().size();
  EXPECT_FALSE(RunPendingDllLoadCheck(*context_, database_, dialogs_, answer::kNo));
  EXPECT_EQ(machine_->StartedProcesses().size(), starts);
}

TEST(ScriptedProgressTest, ClampsTheBarAndIgnoresCallsAfterCancel) {
  ScriptedProgressDialogs dialogs(0);
  const auto dialog = dialogs.Open("Title", "");
  dialog->SetProgress(150);
  dialog->SetProgress(-5);
  EXPECT_TRUE(dialog->PumpMessages());
  EXPECT_TRUE(dialog->Cancelled());
  dialog->SetProgress(50);
  dialog->SetMessage("late");
  const ProgressRecord& shown = *dialogs.Opened().at(0);
  EXPECT_EQ(shown.title, "Title");
  EXPECT_EQ(shown.bar, (std::vector<int>{100, 0}));
  EXPECT_TRUE(shown.messages.empty());
}

}  // namespace
}  // namespace cvn
