// RunDllLoadCheck on the real machine with the real checkers: a module that
// loads from its expected folder, one that another folder gives first, one
// that cannot load, and one of the other bitness than this program's.
#include "platform/win32/Win32Api.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "checks/LoadCheck.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/win32/Win32Machine.h"
#include "ui/win32/ProgressDialogWin32.h"

namespace cvn {
namespace {

// A build folder as Wine sees it: drive Z: is the root of the Unix file system.
std::string WindowsPath(std::string unixPath) {
  for (char& c : unixPath) {
    if (c == '/') c = '\\';
  }
  return "Z:" + unixPath;
}

std::string Fixture(const std::string& name) { return WindowsPath(CORVANE_FIXTURE_DIR) + "\\" + name; }
std::string Checker(const std::string& name) { return WindowsPath(CORVANE_LODVEX_DIR) + "\\" + name; }

std::optional<uint32_t> ExitCodeOf(platform::Machine& machine, const std::string& commandLine) {
  const auto process = machine.Procs().Start(commandLine, 0);
  if (process == nullptr || !process->Wait(platform::kWaitInfinite)) return std::nullopt;
  return process->ExitCode();
}

class LoadCheckWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine_ = platform::win32::CreateWin32Machine();
    std::random_device random;
    scratch_ = machine_->Files().TempPath() + "cvnlc" + std::to_string(random() % 1000000);
    checkers_ = scratch_ + "\\checkers";
    app_ = scratch_ + "\\my app";  // a blank, so the command line must quote
    for (const std::string& folder : {scratch_, checkers_, app_}) {
      ASSERT_TRUE(machine_->Files().CreateDirectory(folder)) << folder;
    }
    Copy(Checker("Lodvex32.exe"), checkers_ + "\\Lodvex32.exe");
    Copy(Checker("Lodvex64.exe"), checkers_ + "\\Lodvex64.exe");
    Copy(Checker("Lodvex16.exe"), checkers_ + "\\Lodvex16.exe");
    // The checker's own folder comes first in the search for a bare name.
    Copy(Fixture("lc_elsewhere.dll"), checkers_ + "\\lc_elsewhere.dll");
    for (const char* module : {"lc_good.dll", "lc_elsewhere.dll", "lc_broken.dll", "lc_other.dll"}) {
      Copy(Fixture(module), app_ + "\\" + module);
    }
    Write(app_ + "\\app.exe", "MZ");
    Write(app_ + "\\app.cdb",
          "[App Info]\r\nAppName=Load Check\r\nAppFileName=app.exe\r\nAppWin32=Yes\r\n"
          "[Directory Info]\r\n"
          "[DLL Info]\r\nlc_good.dll, 1, 1, Y, N\r\nlc_elsewhere.dll, 1, 1, Y, N\r\nlc_other.dll, 1, 1, Y, N\r\n"
          "[Active X/OCX/VBX Info]\r\nlc_broken.dll, 1, 1, Y, N\r\n");
  }

  void TearDown() override {
    platform::FileSystem& files = machine_->Files();
    for (const std::string& folder : {checkers_, app_}) {
      platform::FindData entry;
      if (auto search = files.FindFirst(folder + "\\*.*", entry)) {
        do {
          files.DeleteFile(folder + "\\" + entry.name);
        } while (search->Next(entry));
      }
      files.RemoveDirectory(folder);
    }
    files.RemoveDirectory(scratch_);
  }

  void Copy(const std::string& from, const std::string& to) {
    ASSERT_TRUE(machine_->Files().CopyFile(from, to, platform::FailIfExists::No)) << from;
  }

  void Write(const std::string& path, std::string_view text) {
    ASSERT_TRUE(machine_->Files().WriteFile(path, platform::Bytes(text.begin(), text.end()))) << path;
  }

  FileItem& Item(SectionId id, const char* name) {
    return *database_.GetSection(id)->FindItemAs<FileItem>(name, CaseSensitivity::Insensitive);
  }

  std::unique_ptr<platform::Machine> machine_;
  std::string scratch_;
  std::string checkers_;
  std::string app_;
  ConfigDatabase database_;
};

TEST_F(LoadCheckWineTest, TheRealCheckersJudgeTheThreeModules) {
  RunContext context(*machine_);
  ASSERT_EQ(database_.Load(context, app_ + "\\app.cdb"), platform::kSOk);
  context.locations.SetFolder('X', checkers_);
  win32ui::Win32ProgressDialogs dialogs(::GetModuleHandleA(nullptr), nullptr);

  EXPECT_EQ(RunDllLoadCheck(context, database_, dialogs), platform::kSOk);

  constexpr bool kThis64 = sizeof(void*) == 8;
  const FileItem& good = Item(SectionId::DllInfo, "lc_good.dll");
  EXPECT_EQ(good.bitness, kThis64 ? bitness::k64 : bitness::k32);
  EXPECT_EQ(good.loadResult, loadresult::kNone);
  const FileItem& elsewhere = Item(SectionId::DllInfo, "lc_elsewhere.dll");
  EXPECT_EQ(elsewhere.bitness, kThis64 ? bitness::k64 : bitness::k32);
  EXPECT_EQ(elsewhere.loadResult, loadresult::kUnexpectedFolder);
  const FileItem& broken = Item(SectionId::ControlInfo, "lc_broken.dll");
  EXPECT_EQ(broken.bitness, bitness::kUnknown);
  EXPECT_EQ(broken.loadResult, loadresult::kNotLoaded);
  // The other checker loads the module of its bitness where it can run (a
  // 64-bit one needs 64-bit Windows, a 32-bit one WOW64): asked about a
  // module that is nowhere, it answers "not loaded". Where it cannot start
  // the load is unchecked; where it starts but gives no answer (Wine without
  // its 32-bit part ends such a program at once, with 0) nothing is
  // recorded. Never "not loaded".
  const std::string other = checkers_ + (kThis64 ? "\\Lodvex32.exe" : "\\Lodvex64.exe");
  const std::optional<uint32_t> probe = ExitCodeOf(*machine_, CheckerCommandLine(other, "C:\\none.dll", "none.dll"));
  const FileItem& foreign = Item(SectionId::DllInfo, "lc_other.dll");
  if (probe == 100u) {
    EXPECT_EQ(foreign.loadResult, loadresult::kNone);
    EXPECT_EQ(foreign.bitness, kThis64 ? bitness::k32 : bitness::k64);
  } else {
    EXPECT_EQ(foreign.loadResult, probe ? loadresult::kNone : loadresult::kNotChecked);
    EXPECT_EQ(foreign.bitness, bitness::kUnknown);
  }
  EXPECT_FALSE(database_.loadCheckIncomplete);
}

TEST_F(LoadCheckWineTest, CheckerExitCodes) {
  // The checker of this program's bitness, which loads the fixtures.
  const std::string native = checkers_ + (sizeof(void*) == 8 ? "\\Lodvex64.exe" : "\\Lodvex32.exe");
  const std::string good = app_ + "\\lc_good.dll";
  EXPECT_EQ(ExitCodeOf(*machine_, CheckerCommandLine(native, good, "lc_good.dll")), 101u);
  EXPECT_EQ(ExitCodeOf(*machine_, CheckerCommandLine(native, app_ + "\\nothing.dll", "nothing.dll")),
            100u);
  // Without exactly two arguments there is nothing to report.
  EXPECT_EQ(ExitCodeOf(*machine_, "\"" + native + "\" \"" + good + "\""), 0u);
  EXPECT_EQ(ExitCodeOf(*machine_, CheckerCommandLine(checkers_ + "\\Lodvex16.exe", good, "lc_good.dll")),
            100u);
}

}  // namespace
}  // namespace cvn
