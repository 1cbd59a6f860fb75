// Start-up: choosing the database, the load failure message, the document
// types it registers.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Startup.h"
#include "config/RunContext.h"
#include "platform/emulated/ImageBuilder.h"
#include "ui/fakes/RecordingSheet.h"

namespace cvn {
namespace {

using platform::hkey::kClassesRoot;

constexpr const char* kDatabase =
    "[App Info]\nAppName=Sample\nAppFileName=APP.EXE\n[Directory Info]\n[End]\n";

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    image_.Windows95().File("C:\\CORVANE\\CORVANE.EXE", "MZ").File("C:\\CORVANE\\APP.EXE", "MZ");
  }

  StartupOutcome Run(std::string_view commandLine,
                     RecordingWizardRunner::Plan plan = RecordingWizardRunner::Plan::Cancel) {
    machine_ = image_.Open();
    EXPECT_NE(machine_, nullptr) << image_.Error();
    context_ = std::make_unique<RunContext>(*machine_);
    RecordingWizardRunner wizard(plan);
    return RunStartup(*context_, commandLine, wizard);
  }

  // The default value of a key under HKEY_CLASSES_ROOT, or "<none>".
  std::string ClassDefault(const std::string& subKey, const std::string& name = "") {
    auto& reg = machine_->Reg();
    platform::RegKey key = 0;
    if (reg.OpenKey(kClassesRoot, subKey, platform::Registry::Access::Read, key) != 0) {
      return "<none>";
    }
    platform::RegValue value;
    const bool found = reg.QueryValue(key, name, value) == 0;
    reg.CloseKey(key);
    if (!found) return "<none>";
    std::string text(value.data.begin(), value.data.end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }

  emulated::ImageBuilder image_;
  std::unique_ptr<emulated::EmulatedMachine> machine_;
  std::unique_ptr<RunContext> context_;
};

TEST(StartupCommandLine, ProgramNameAndQuotes) {
  EXPECT_EQ(ArgumentsAfterProgram("\"C:\\Program Files\\corvane.exe\" \"a b.cdb\""),
            "\"a b.cdb\"");
  EXPECT_EQ(ArgumentsAfterProgram("corvane.exe   x.cdb y"), "x.cdb y");
  EXPECT_EQ(ArgumentsAfterProgram("corvane.exe"), "");
  EXPECT_EQ(ArgumentsAfterProgram("\"unterminated"), "");
  EXPECT_EQ(DatabasePathFromCommandLine("\"C:\\My Files\\a.cdb\""), "C:\\My Files\\a.cdb");
  EXPECT_EQ(DatabasePathFromCommandLine("C:\\My Files\\a.cdb"), "C:\\My Files\\a.cdb");
  EXPECT_EQ(DatabasePathFromCommandLine("\""), "");
  // A missing closing quote, and blanks some launchers add at the end.
  EXPECT_EQ(DatabasePathFromCommandLine("\"C:\\a.cdb"), "C:\\a.cdb");
  EXPECT_EQ(DatabasePathFromCommandLine("\"C:\\a.cdb\" "), "C:\\a.cdb");
  EXPECT_EQ(DatabasePathFromCommandLine("C:\\a.cdb \t"), "C:\\a.cdb");
}

TEST_F(StartupTest, TheSingleDatabaseBesideTheProgramIsLoaded) {
  image_.File("C:\\CORVANE\\Sample.cdb", kDatabase);
  EXPECT_EQ(Run(""), StartupOutcome::Cancelled);
  EXPECT_TRUE(machine_->OpenFileRequests().empty());
  EXPECT_TRUE(machine_->Messages().empty());
  EXPECT_EQ(context_->appName, "Sample");
}

TEST_F(StartupTest, FinishingTheWizardWritesTheReportAndCancelDoesNot) {
  image_.File("C:\\CORVANE\\Sample.cdb", kDatabase);
  EXPECT_EQ(Run(""), StartupOutcome::Cancelled);
  EXPECT_EQ(machine_->Files().GetAttributes("C:\\CORVANE\\corvane.txt"), platform::attr::kInvalid);
  EXPECT_EQ(Run("", RecordingWizardRunner::Plan::WalkToFinish), StartupOutcome::Finished);
  ASSERT_FALSE(machine_->Messages().empty());
  EXPECT_EQ(machine_->Messages().back().text,
            "The Corvane Report is complete!  Please check 'c:\\corvane\\corvane.txt' for the results.");
}

TEST_F(StartupTest, NoDatabaseOrSeveralAskTheUser) {
  for (int count : {0, 2}) {
    SCOPED_TRACE(count);
    emulated::ImageBuilder image;
    image.Windows95().File("C:\\CORVANE\\CORVANE.EXE", "MZ");
    for (int i = 0; i < count; ++i) {
      image.File("C:\\CORVANE\\db" + std::to_string(i) + ".cdb", kDatabase);
    }
    image.OpenFileAnswer(std::nullopt);
    auto machine = image.Open();
    ASSERT_NE(machine, nullptr) << image.Error();
    RunContext context(*machine);
    RecordingWizardRunner wizard(RecordingWizardRunner::Plan::WalkToFinish);
    EXPECT_EQ(RunStartup(context, "", wizard), StartupOutcome::NoDatabaseChosen);
    ASSERT_EQ(machine->OpenFileRequests().size(), 1u);
    const auto& request = machine->OpenFileRequests()[0].request;
    EXPECT_EQ(request.filter, "Configuration Database (*.cdb)|*.cdb||");
    EXPECT_EQ(request.defaultExtension, "cdb");
    EXPECT_EQ(request.flags, platform::ofn::kFileMustExist | platform::ofn::kHideReadOnly);
    EXPECT_TRUE(machine->Messages().empty());
  }
}

TEST_F(StartupTest, TheChosenDatabaseIsLoaded) {
  image_.File("C:\\Data\\One.cdb", kDatabase).File("C:\\CORVANE\\a.cdb", kDatabase);
  image_.File("C:\\CORVANE\\b.cdb", kDatabase).File("C:\\Data\\APP.EXE", "MZ");
  image_.OpenFileAnswer("C:\\Data\\One.cdb");
  EXPECT_EQ(Run(""), StartupOutcome::Cancelled);
  EXPECT_EQ(context_->locations.Folder('1'), "c:\\data");
}

TEST_F(StartupTest, QuotedAndBarePathsLoadTheSameFile) {
  image_.File("C:\\My Data\\Sample.cdb", kDatabase);
  for (const char* line : {"\"C:\\My Data\\Sample.cdb\"", "C:\\My Data\\Sample.cdb"}) {
    SCOPED_TRACE(line);
    EXPECT_EQ(Run(line), StartupOutcome::Cancelled);
    EXPECT_TRUE(machine_->Messages().empty());
    EXPECT_EQ(context_->appName, "Sample");
  }
}

TEST_F(StartupTest, AFailedLoadShowsTheLowerCasePathAndTouchesNothing) {
  EXPECT_EQ(Run("C:\\Missing\\Vendor.CDB"), StartupOutcome::LoadFailed);
  ASSERT_EQ(machine_->Messages().size(), 2u);
  EXPECT_EQ(machine_->Messages()[0].text,
            "Unable to open Configuration Database file 'c:\\missing\\vendor.cdb'.");
  EXPECT_EQ(machine_->Messages()[1].text,
            "Unable to load Configuration Database file 'c:\\missing\\vendor.cdb'.");
  EXPECT_EQ(machine_->Messages()[1].buttons, platform::Buttons::Ok);
  EXPECT_EQ(ClassDefault("Corvane.cdb"), "<none>");
  EXPECT_EQ(machine_->Files().GetAttributes("C:\\WINDOWS\\cvn.ini"), platform::attr::kInvalid);
}

TEST_F(StartupTest, TheThreeDocumentTypesAreRegistered) {
  image_.File("C:\\CORVANE\\Sample.cdb", kDatabase);
  Run("");
  const std::string program = "C:\\CORVANE\\CORVANE.EXE";
  EXPECT_EQ(ClassDefault("Corvane.cdb"), "Corvane Database");
  EXPECT_EQ(ClassDefault("Corvane.cdb\\DefaultIcon"), program + ",1");
  EXPECT_EQ(ClassDefault(".cdb"), "Corvane.cdb");
  EXPECT_EQ(ClassDefault("Corvane.cdb\\shell\\open\\command"), '"' + program + "\" \"%1\"");
  EXPECT_EQ(ClassDefault(".cdb\\ShellNew", "NullFile"), "");
  EXPECT_EQ(ClassDefault("Corvane.udb"), "Corvane Recent Usage");
  EXPECT_EQ(ClassDefault("Corvane.udb\\DefaultIcon"), program + ",2");
  EXPECT_EQ(ClassDefault(".udb"), "Corvane.udb");
  EXPECT_EQ(ClassDefault("Corvane.udb\\shell\\open\\command"), "<none>");
  EXPECT_EQ(ClassDefault(".udb\\ShellNew", "NullFile"), "<none>");
  EXPECT_EQ(ClassDefault("Corvane.fdb"), "Corvane File Info");
  EXPECT_EQ(ClassDefault("Corvane.fdb\\DefaultIcon"), program + ",3");
  EXPECT_EQ(ClassDefault(".fdb"), "Corvane.fdb");
}

// A volume may have no short names: the command names the program by its
// long path in quotes, and start-up reads back the database the shell puts
// in for %1.
TEST_F(StartupTest, TheOpenCommandQuotesTheLongProgramPath) {
  image_.Fact("Windows", "ProgramPath", "C:\\Program Files\\Corvane\\corvane.exe");
  image_.File("C:\\Program Files\\Corvane\\corvane.exe", "MZ");
  image_.File("C:\\Program Files\\Corvane\\APP.EXE", "MZ");
  image_.File("C:\\Program Files\\Corvane\\Sample.cdb", kDatabase);
  image_.File("C:\\My Data\\Other.cdb", "[App Info]\nAppName=Other\nAppFileName=APP.EXE\n[End]\n");
  Run("");
  std::string command = ClassDefault("Corvane.cdb\\shell\\open\\command");
  EXPECT_EQ(command, "\"C:\\Program Files\\Corvane\\corvane.exe\" \"%1\"");
  EXPECT_EQ(ClassDefault("Corvane.cdb\\DefaultIcon"), "C:\\Program Files\\Corvane\\corvane.exe,1");
  command.replace(command.find("%1"), 2, "C:\\My Data\\Other.cdb");
  Run(ArgumentsAfterProgram(command));
  EXPECT_EQ(context_->appName, "Other");
}

}  // namespace
}  // namespace cvn
