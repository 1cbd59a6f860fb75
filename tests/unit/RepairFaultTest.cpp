// A failure at each step of each repair: the current file stays in place
// or in a backup the message names, the INI file and the Registry value
// stay as they were, and nothing is counted (so cvntool fix exits 1).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/Answers.h"
#include "config/PathSpec.h"
#include "config/TextCase.h"
#include "fixes/FileFix.h"
#include "fixes/ScriptedFixConfirmations.h"
#include "fixes/SettingFix.h"
#include "platform/emulated/ImageBuilder.h"
#include "tests/support/FileCheckTestFiles.h"

namespace cvn {
namespace {

using emulated::InjectedFailure;
using platform::Bytes;

constexpr char kTarget[] = "C:\\APP\\MYLIB.DLL";
constexpr char kIni[] = "C:\\WINDOWS\\APP.INI";
constexpr char kIniText[] = "[Opts]\r\nMode=5\r\n";
constexpr char kRepairKey[] = "HKEY_CURRENT_USER\\Software\\Vendor";

enum class Repair { File, Ini, Registry };

struct Step {
  const char* name;
  Repair repair;
  bool nt;
  bool inUse;
  const char* failAt;  // location notation; empty: the Registry key is protected
  InjectedFailure failure;
  const char* says;  // how the last message begins
};

Bytes Dll(uint32_t major) { return test::VersionedDll(major << 16, 0); }

void Arrange(emulated::ImageBuilder& image, const Step& step) {
  if (step.nt) image.WindowsNt4();
  image.File("C:\\APP\\APP.EXE", "MZ").File(kTarget, Dll(1)).File(kIni, kIniText);
  image.Drive('E', platform::DriveType::CdRom, "APPCD").File("E:\\SETUP\\MYLIB.DLL", Dll(2));
  image.RegistryDword(kRepairKey, "Count", 1);
  if (step.inUse) image.FileInUse(kTarget);
  if (step.repair == Repair::Registry) image.ProtectedKey(kRepairKey);
  image.File("C:\\APP\\APP.CDB",
             "[App Info]\nAppName=App\nAppFileName=APP.EXE\nCDVolumeLabel=APPCD\n[Directory Info]\nC=E:\\SETUP\n"
             "[DLL Info]\nMYLIB.DLL, 1, C, Y, N, 2.0.0.0\n"
             "[INI Info]\napp\\Opts\\Mode=\n0, Y, N\n"
             "[Registry Info]\nHKEY_CURRENT_USER\\Software\\Vendor\\Count=\n0x0000000a, Y, N\n[End]\n");
}

FixResult RunRepair(FixSession& session, Repair repair) {
  if (repair == Repair::File) {
    return FixFile(session, {SectionId::DllInfo, "MYLIB.DLL", FixMode::Fix, {}});
  }
  const SectionId id = repair == Repair::Ini ? SectionId::IniInfo : SectionId::RegistryInfo;
  return FixSetting(session, {id, 0, FixMode::Fix, {}});
}

// The backup of the current file that the last message names, if any.
std::string NamedBackup(const std::string& message) {
  const std::string folder = "c:\\app\\backup\\mylib.dll.";
  const size_t at = ToLower(message).find(folder);
  if (at == std::string::npos) return "";
  return message.substr(at, folder.size() + 3);
}

TEST(RepairFaultTest, AFailureAtAnyStepKeepsTheUsersDataAndCountsNothing) {
  const char* noBackup = "Cannot create backup for 'mylib.dll'.  Do you want to replace";
  const char* keptInBackup =
      "Cannot copy 'e:\\setup\\mylib.dll' to 'c:\\app\\mylib.dll'.  The file as it was is kept in "
      "'c:\\app\\backup\\mylib.dll.001'.";
  const char* notStaged = "Cannot copy 'e:\\setup\\mylib.dll' to '";
  const Step steps[] = {
      {"backup copy", Repair::File, false, false, "C:\\APP\\BACKUP\\MYLIB.DLL.001", InjectedFailure::CannotCreate,
       noBackup},
      {"backup copy broken off", Repair::File, false, false, "C:\\APP\\BACKUP\\MYLIB.DLL.001",
       InjectedFailure::WritePartWay, noBackup},
      {"replacement copy", Repair::File, false, false, kTarget, InjectedFailure::CannotCreate, keptInBackup},
      {"replacement copy broken off", Repair::File, false, false, kTarget, InjectedFailure::WritePartWay,
       keptInBackup},
      {"staged copy", Repair::File, false, true, "C:\\APP\\MYLIB.001", InjectedFailure::CannotCreate, notStaged},
      {"WININIT.INI entry", Repair::File, false, true, "W|WININIT.INI", InjectedFailure::CannotCreate,
       "Cannot copy 'c:\\app\\mylib.001' to 'c:\\app\\mylib.dll'."},
      {"staged copy (NT)", Repair::File, true, true, "T|MYLIB.DLL", InjectedFailure::CannotCreate, notStaged},
      {"delayed move", Repair::File, true, true, "T|MYLIB.DLL", InjectedFailure::CannotMove, "Cannot copy '"},
      {"INI write", Repair::Ini, false, false, kIni, InjectedFailure::CannotCreate,
       "Cannot write app\\Opts\\Mode: the file cannot be written."},
      {"Registry write", Repair::Registry, false, false, "", InjectedFailure::CannotCreate,
       "Cannot write HKEY_CURRENT_USER\\Software\\Vendor\\Count: access is denied."},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    emulated::ImageBuilder image;
    Arrange(image, step);
    const auto machine = image.Open();
    ASSERT_NE(machine, nullptr) << image.Error();
    RunContext context(*machine);
    context.isNt = step.nt;
    ConfigDatabase database;
    ASSERT_EQ(database.Load(context, "C:\\APP\\APP.CDB"), platform::kSOk);
    if (*step.failAt != '\0') machine->InjectFailure(PathSpec(context, step.failAt).Text(), step.failure);
    ScriptedFixConfirmations confirmations(ScriptedFixConfirmations::Default::Yes);
    FixSession session(context, database, confirmations);

    const FixResult result = RunRepair(session, step.repair);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_TRUE(result.message.starts_with(step.says)) << result.message;
    const FixCounters& counted = session.Counters();
    EXPECT_EQ(counted.fixesMade + counted.fixesPendingRestart + counted.revertsMade + counted.revertsPendingRestart,
              0);
    EXPECT_FALSE(ChangesMadeMarked(context));
    platform::FileSystem& files = machine->Files();
    const std::string backup = NamedBackup(result.message);
    const bool inPlace = files.ReadFile(kTarget) == Dll(1);
    EXPECT_TRUE(inPlace || (!backup.empty() && files.ReadFile(backup) == Dll(1))) << result.message;
    EXPECT_EQ(files.ReadFile(kIni), Bytes(kIniText, kIniText + sizeof kIniText - 1));
    platform::RegValue count;
    platform::RegKey key = 0;
    ASSERT_EQ(machine->Reg().OpenKey(platform::hkey::kCurrentUser, "Software\\Vendor", platform::Registry::Access::Read,
                                     key),
              0);
    machine->Reg().QueryValue(key, "Count", count);
    machine->Reg().CloseKey(key);
    EXPECT_EQ(count.data, (Bytes{1, 0, 0, 0}));
  }
}

}  // namespace
}  // namespace cvn
