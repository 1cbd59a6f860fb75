// FixFile on Windows 95 and NT machines that really hold each condition:
// a replacement on the CD, in a backup or in "W|Sysbckup", numbered
// backups, a missing target, a file in use, a revert, and a backup that
// cannot be made.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/ItemStatus.h"
#include "config/TextCase.h"
#include "fixes/FileFix.h"
#include "fixes/ScriptedFixConfirmations.h"
#include "tests/unit/ConfigTestSupport.h"
#include "tests/support/FileCheckTestFiles.h"

namespace cvn {
namespace {

using emulated::FileOptions;
using emulated::ImageBuilder;
using platform::Answer;
using platform::Bytes;
using platform::DriveType;

constexpr char kApp[] = "C:\\APP";
constexpr char kTarget[] = "C:\\APP\\MYLIB.DLL";
constexpr char kCdCopy[] = "E:\\SETUP\\MYLIB.DLL";

// A DLL whose fixed file version is major.minor.0.0.
Bytes Dll(uint32_t major, uint32_t minor) { return test::VersionedDll((major << 16) | minor, 0); }

class FileFixTest : public test::ConfigMachineTest {
 protected:
  // The application in `folder` wants MYLIB.DLL at 2.0 or later, never 3.0,
  // shipped in \SETUP of the CD labelled APPCD.
  void LoadApp(const std::string& folder = kApp, const std::string& dll = "MYLIB.DLL") {
    image_.File(folder + "\\APP.EXE", "MZ");
    ASSERT_EQ(Load(folder + "\\APP.CDB",
                   "[App Info]\nAppName=App\nAppFileName=APP.EXE\nCDVolumeLabel=APPCD\n"
                   "[Directory Info]\nC=1:\\SETUP\n"
                   "[DLL Info]\n" + dll + ", 1, C, Y, N, 2.0.0.0, -3.0.0.0\n[End]\n"),
              platform::kSOk);
    session_ = std::make_unique<FixSession>(*context_, database_, confirm_);
  }

  void Cd(const std::string& label, const Bytes& copy) {
    image_.Drive('E', DriveType::CdRom, label);
    image_.File(kCdCopy, copy, FileOptions{When().lastWrite, platform::attr::kReadOnly});
  }

  FixResult Fix(FixMode mode = FixMode::Fix, WantedFile wanted = {}) {
    return FixFile(*session_, {SectionId::DllInfo, "mylib.dll", mode, wanted});
  }

  std::string SourceOfFix() {
    FileFixSource found;
    static_cast<void>(FindFileFixSource(*session_, {SectionId::DllInfo, "MYLIB.DLL", FixMode::Fix, {}}, found));
    return found.source;
  }

  Bytes Content(const std::string& path) { return machine_->Files().ReadFile(path).value_or(Bytes{}); }
  bool Exists(const std::string& path) { return machine_->Files().GetAttributes(path) != platform::attr::kInvalid; }

  static FileOptions When() { return {ImageBuilder::Time(1997, 3, 4, 5, 6), platform::attr::kArchive}; }

  ScriptedFixConfirmations confirm_{ScriptedFixConfirmations::Default::Yes};
  std::unique_ptr<FixSession> session_;
};

TEST_F(FileFixTest, TheCdCopyReplacesTheFileAfterTheNextNumberedBackup) {
  image_.File(kTarget, Dll(1, 0));
  image_.File("C:\\APP\\BACKUP\\MYLIB.DLL.001", "one").File("C:\\APP\\BACKUP\\MYLIB.DLL.003", "three");
  Cd("appcd", Dll(2, 0));
  LoadApp();
  const FixResult result = Fix();
  EXPECT_EQ(result.outcome, FixOutcome::Done);
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(Content(kTarget), Dll(2, 0));
  EXPECT_EQ(machine_->Files().GetAttributes(kTarget) & platform::attr::kReadOnly, 0u);
  EXPECT_EQ(Content("C:\\APP\\BACKUP\\MYLIB.DLL.004"), Dll(1, 0));
  EXPECT_FALSE(Exists("C:\\APP\\BACKUP\\MYLIB.DLL.002"));
  EXPECT_EQ(session_->Counters().fixesMade, 1);
  EXPECT_TRUE(session_->TakeStale().recentChanges);
  EXPECT_EQ(machine_->Ini().GetString("App", "ChangesMade", "", "C:\\WINDOWS\\cvn.ini", 8), "1");
  EXPECT_FALSE(database_.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(0)->checked);
  EXPECT_TRUE(machine_->Messages().empty());  // the right CD was already in the drive

  ASSERT_EQ(confirm_.files.size(), 1u);
  const FileConfirmation& shown = confirm_.files[0];
  EXPECT_EQ(shown.dialog, confirmdialog::kReplaceFile);
  EXPECT_EQ(shown.current.location, "c:\\app");
  EXPECT_EQ(shown.current.version, "1.0.0.0");
  EXPECT_TRUE(shown.current.versionBold);
  EXPECT_FALSE(shown.current.locationBold);
  EXPECT_EQ(shown.replacement.location, "e:\\setup");
  EXPECT_EQ(shown.replacement.version, "2.0.0.0");
  EXPECT_EQ(shown.replacement.date, "Tuesday, March 04, 1997 5:06 AM");
  EXPECT_EQ(shown.note, "The old file will be moved to 'c:\\app\\backup\\mylib.dll'.");
}

TEST_F(FileFixTest, AnIdenticalBackupIsNotMadeTwice) {
  image_.File(kTarget, Dll(1, 0), When());
  LoadApp();
  std::string failure;
  std::string kept;
  EXPECT_EQ(CreateBackup(*context_, kTarget, failure, kept), platform::kSOk);
  EXPECT_EQ(CreateBackup(*context_, kTarget, failure, kept), platform::kSOk);
  EXPECT_TRUE(Exists("C:\\APP\\BACKUP\\MYLIB.DLL.001"));
  EXPECT_FALSE(Exists("C:\\APP\\BACKUP\\MYLIB.DLL.002"));
}

TEST_F(FileFixTest, AKnownBadVersionOnTheCdIsRejectedAndAnUnversionedOneAccepted) {
  image_.File(kTarget, Dll(1, 0));
  image_.File("E:\\SETUP\\PLAIN.DLL", test::PlainDll());
  Cd("APPCD", Dll(3, 0));
  LoadApp();
  const FileItem& item = *database_.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(0);
  EXPECT_FALSE(IsAcceptableFile(*context_, kCdCopy, MediumRule(item)));
  EXPECT_TRUE(IsAcceptableFile(*context_, "E:\\SETUP\\PLAIN.DLL", MediumRule(item)));
  EXPECT_FALSE(IsAcceptableFile(*context_, "E:\\SETUP\\PLAIN.DLL", BackupFixRule(item)));

  const FixResult failed = Fix();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Unable to locate an acceptable replacement file for 'mylib.dll'."}));
  EXPECT_EQ(Content(kTarget), Dll(1, 0));
  EXPECT_EQ(session_->Counters().fixesMade, 0);
  EXPECT_EQ(failed.outcome, FixOutcome::NoSource);
}

TEST_F(FileFixTest, AMissingFileIsCopiedWithTheCopyToFormAndNoBackup) {
  Cd("APPCD", Dll(2, 0));
  LoadApp();
  EXPECT_TRUE(Fix().Succeeded());
  EXPECT_EQ(Content(kTarget), Dll(2, 0));
  EXPECT_FALSE(Exists("C:\\APP\\BACKUP"));
  ASSERT_EQ(confirm_.files.size(), 1u);
  EXPECT_EQ(confirm_.files[0].dialog, confirmdialog::kCopyFile);
  EXPECT_EQ(confirm_.files[0].current.location, "c:\\app");
  EXPECT_EQ(confirm_.files[0].note, "");
}

TEST_F(FileFixTest, ACancelledCdPromptFallsBackToABackupThenToSysbckup) {
  image_.File(kTarget, Dll(1, 0));
  image_.File("C:\\WINDOWS\\SYSBCKUP\\MYLIB.DLL", Dll(2, 1));
  image_.Drive('E', DriveType::CdRom, "OTHER");
  image_.Answer(Answer::Cancel).Answer(Answer::Cancel).Answer(Answer::Cancel);
  LoadApp();
  EXPECT_TRUE(EqualsNoCase(SourceOfFix(), "C:\\WINDOWS\\SYSBCKUP\\MYLIB.DLL"));

  // A backup with an acceptable version comes before the system backup
  // folder; an unversioned one never does.
  image_.File("C:\\APP\\BACKUP\\MYLIB.DLL.001", test::PlainDll()).File("C:\\APP\\BACKUP\\MYLIB.DLL.002", Dll(2, 2));
  EXPECT_TRUE(EqualsNoCase(SourceOfFix(), "C:\\APP\\BACKUP\\MYLIB.DLL.002"));

  const FixResult result = Fix();
  EXPECT_EQ(result.outcome, FixOutcome::Done);
  EXPECT_FALSE(result.cancelled);  // cleared again once the copy succeeded
  EXPECT_EQ(Content(kTarget), Dll(2, 2));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>(
                                3, "In order to fix the file, please insert 'APPCD' into the CD-ROM drive."));
}

TEST_F(FileFixTest, AFileInUseOnWindows95IsStagedBesideItAndNamedInWininit) {
  const std::string folder = "C:\\Program Files\\My App";
  image_.File(folder + "\\MYLIB.DLL", Dll(1, 0)).FileInUse(folder + "\\MYLIB.DLL");
  Cd("APPCD", Dll(2, 0));
  LoadApp(folder);
  EXPECT_TRUE(Fix().Succeeded());
  EXPECT_EQ(Content(folder + "\\MYLIB.DLL"), Dll(1, 0));
  EXPECT_EQ(Content(folder + "\\MYLIB.001"), Dll(2, 0));
  EXPECT_EQ(Content(folder + "\\BACKUP\\MYLIB.DLL.001"), Dll(1, 0));
  const auto keys = machine_->Ini().GetKeys("rename", "C:\\WINDOWS\\WININIT.INI");
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_TRUE(EqualsNoCase(keys[0], "C:\\PROGRA~1\\MYAPP~1\\MYLIB.DLL")) << keys[0];
  const std::string staged = machine_->Ini().GetString("rename", keys[0], "", "C:\\WINDOWS\\WININIT.INI", 260);
  EXPECT_TRUE(EqualsNoCase(staged, "C:\\PROGRA~1\\MYAPP~1\\MYLIB.001")) << staged;

  const FileItem& item = *database_.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(0);
  EXPECT_TRUE(item.fixPendingRestart);
  EXPECT_TRUE(item.checked);
  EXPECT_EQ(session_->Counters().fixesMade, 0);
  EXPECT_EQ(session_->Counters().fixesPendingRestart, 1);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "You will need to restart Windows for the change to take effect.  You should wait "
                                "until all other changes have been made before restarting."}));
}

TEST_F(FileFixTest, AStagedNameNeverLeavesTheTargetsFolder) {
  // The '.' of a folder name must not cut the staged name of a file
  // without an extension ("C:\\V1.0\\MYLIB" would stage "C:\\V1.001").
  image_.File("C:\\V1.0\\MYLIB", Dll(1, 0)).FileInUse("C:\\V1.0\\MYLIB");
  image_.Drive('E', DriveType::CdRom, "APPCD").File("E:\\SETUP\\MYLIB", Dll(2, 0));
  LoadApp("C:\\V1.0", "MYLIB");
  EXPECT_TRUE(FixFile(*session_, {SectionId::DllInfo, "MYLIB", FixMode::Fix, {}}).Succeeded());
  EXPECT_EQ(Content("C:\\V1.0\\MYLIB.001"), Dll(2, 0));
  EXPECT_FALSE(Exists("C:\\V1.001"));
}

TEST_F(FileFixTest, AFileInUseOnNtIsMovedAtTheNextStart) {
  image_.WindowsNt4();
  image_.File(kTarget, Dll(1, 0)).FileInUse(kTarget);
  Cd("APPCD", Dll(2, 0));
  LoadApp();
  context_->isNt = true;
  EXPECT_TRUE(Fix().Succeeded());
  const std::string staged = PathSpec(*context_, "T|MYLIB.DLL").Text();
  EXPECT_EQ(Content(staged), Dll(2, 0));
  const auto pending = machine_->PendingRenames();
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_TRUE(EqualsNoCase(pending[0].from, staged)) << pending[0].from;
  EXPECT_TRUE(EqualsNoCase(pending[0].to, kTarget)) << pending[0].to;
  EXPECT_TRUE(pending[0].replaceExisting);
  EXPECT_EQ(session_->Counters().fixesPendingRestart, 1);

  // A staged copy that cannot be written is told and counted nowhere.
  machine_->MarkInUse(staged);
  const FixResult refused = Fix();
  EXPECT_EQ(refused.outcome, FixOutcome::Refused);
  EXPECT_EQ(session_->Counters().fixesPendingRestart, 1);
  EXPECT_EQ(refused.message, "Cannot copy 'e:\\setup\\mylib.dll' to '" + DisplayForm(staged) + "'.");
}

TEST_F(FileFixTest, ARevertTakesOnlyTheBackupOfTheRecordedState) {
  image_.File(kTarget, Dll(2, 0));
  image_.File("C:\\APP\\BACKUP\\MYLIB.DLL.001", Dll(1, 5)).File("C:\\APP\\BACKUP\\MYLIB.DLL.002", Dll(1, 0));
  image_.File("C:\\APP\\BACKUP\\PLAIN.DLL.001", "x", When()).File("C:\\APP\\BACKUP\\PLAIN.DLL.002", "xy", When());
  LoadApp();
  EXPECT_EQ(Fix(FixMode::Revert, {"1.0.0.0", 0, std::nullopt}).outcome, FixOutcome::Done);
  EXPECT_EQ(Content(kTarget), Dll(1, 0));
  EXPECT_EQ(Content("C:\\APP\\BACKUP\\MYLIB.DLL.003"), Dll(2, 0));
  EXPECT_EQ(session_->Counters().revertsMade, 1);
  const FileItem& item = *database_.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(0);
  EXPECT_TRUE(item.reverted);
  // A file may be listed in any of the four file sections.
  const StaleLists stale = session_->TakeStale();
  EXPECT_TRUE(stale.fileLists);
  EXPECT_FALSE(stale.settingLists);

  const FixResult none = Fix(FixMode::Revert, {"1.2.0.0", 0, std::nullopt});
  EXPECT_EQ(none.outcome, FixOutcome::NoSource);
  EXPECT_EQ(none.message, "Unable to locate an acceptable replacement file for 'mylib.dll'.");

  // Without version information only the same size and minute will do.
  const auto time = machine_->Files().FileTimeToLocal(When().lastWrite.value());
  FileItem plain("PLAIN.DLL");
  BackupSearch search;
  EXPECT_EQ(FindBackup(*context_, "C:\\APP\\PLAIN.DLL", RevertRule(plain, {"", 2, time}), search, TestOnly::No),
            platform::kSOk);
  EXPECT_TRUE(EqualsNoCase(search.found, "C:\\APP\\BACKUP\\PLAIN.DLL.002")) << search.found;
}

TEST_F(FileFixTest, ABackupThatCannotBeMadeAsksBeforeGoingOn) {
  image_.File(kTarget, Dll(1, 0));
  image_.File("C:\\APP\\BACKUP", "a file where the backup folder belongs");
  Cd("APPCD", Dll(2, 0));
  image_.Answer(Answer::No).Answer(Answer::Yes);
  LoadApp();
  const std::string question =
      "Cannot create 'c:\\app\\backup' folder.  Do you want to replace 'mylib.dll' without keeping a backup of it?";
  EXPECT_TRUE(Fix().cancelled);
  EXPECT_EQ(Content(kTarget), Dll(1, 0));
  EXPECT_EQ(session_->Counters().fixesMade, 0);

  EXPECT_TRUE(Fix().Succeeded());
  EXPECT_EQ(Content(kTarget), Dll(2, 0));
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{question, question}));
}

TEST_F(FileFixTest, AnIdenticalBackupHasTheSameVersionOrNoneAndTheSameSizeAndMinute) {
  LoadApp();
  const FileOptions later{ImageBuilder::Time(1997, 3, 4, 5, 7), platform::attr::kArchive};
  struct Case {
    const char* name;
    Bytes current;
    Bytes backup;
    FileOptions backupWhen;
    bool keptAgain;  // a new backup is made
  };
  const Bytes damaged{'d', 'a', 'm', 'a', 'g', 'e', 'd'};
  const Case cases[] = {
      {"UNVERSIONED_OVER_VERSIONED.DLL", damaged, Dll(2, 0), When(), true},
      {"UNVERSIONED_TWICE.DLL", damaged, damaged, When(), false},
      {"UNVERSIONED_OTHER_MINUTE.DLL", damaged, damaged, later, true},
      {"VERSIONED_OVER_UNVERSIONED.DLL", Dll(2, 0), test::PlainDll(), When(), true},
      {"VERSIONED_TWICE.DLL", Dll(2, 0), Dll(2, 0), When(), false},
  };
  for (const Case& c : cases) {
    const std::string target = std::string(kApp) + "\\" + c.name;
    const std::string backup = std::string(kApp) + "\\BACKUP\\" + c.name;
    image_.File(target, c.current, When()).File(backup + ".001", c.backup, c.backupWhen);
    std::string failure;
    std::string kept;
    EXPECT_EQ(CreateBackup(*context_, target, failure, kept), platform::kSOk) << c.name;
    EXPECT_EQ(Exists(backup + ".002"), c.keptAgain) << c.name;
    EXPECT_TRUE(EqualsNoCase(kept, backup + (c.keptAgain ? ".002" : ".001"))) << kept;
    if (c.keptAgain) {
      EXPECT_EQ(Content(backup + ".002"), c.current) << c.name;
    }
  }
}

TEST_F(FileFixTest, ADamagedUnversionedFileIsKeptAsTheNextBackupBeforeTheCdCopyReplacesIt) {
  const Bytes damaged{'d', 'a', 'm', 'a', 'g', 'e', 'd'};
  image_.File(kTarget, damaged, When()).File("C:\\APP\\BACKUP\\MYLIB.DLL.001", Dll(2, 0), When());
  Cd("APPCD", Dll(2, 1));
  LoadApp();
  EXPECT_TRUE(Fix().Succeeded());
  EXPECT_EQ(Content(kTarget), Dll(2, 1));
  EXPECT_EQ(Content("C:\\APP\\BACKUP\\MYLIB.DLL.002"), damaged);
  EXPECT_EQ(session_->Counters().fixesMade, 1);
}

TEST_F(FileFixTest, ARevertToAnUnversionedStateNeverTakesAVersionedBackup) {
  image_.File(kTarget, Dll(2, 5));
  image_.File("C:\\APP\\BACKUP\\MYLIB.DLL.001", Dll(2, 0), When());
  image_.File("C:\\APP\\BACKUP\\MYLIB.DLL.002", "old", When());
  LoadApp();
  const auto time = machine_->Files().FileTimeToLocal(When().lastWrite.value());
  EXPECT_EQ(Fix(FixMode::Revert, {"", 3, time}).outcome, FixOutcome::Done);
  EXPECT_EQ(Content(kTarget), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(session_->Counters().revertsMade, 1);

  EXPECT_FALSE(Fix(FixMode::Revert, {"", 4, time}).Succeeded());
  EXPECT_EQ(session_->Counters().revertsMade, 1);
}

TEST_F(FileFixTest, TheTargetItselfIsNeverItsReplacement) {
  // The source folder of the item is the System folder the file lives in.
  image_.File("C:\\APP\\APP.EXE", "MZ");
  image_.File("C:\\WINDOWS\\SYSTEM\\SYSLIB.DLL", "damaged");
  image_.File("C:\\WINDOWS\\SYSBCKUP\\SYSLIB.DLL", Dll(2, 0));
  ASSERT_EQ(Load("C:\\APP\\APP.CDB", "[App Info]\nAppName=App\nAppFileName=APP.EXE\n"
                                         "[DLL Info]\nSYSLIB.DLL, S, S, Y, N, 2.0.0.0\n[End]\n"),
            platform::kSOk);
  session_ = std::make_unique<FixSession>(*context_, database_, confirm_);
  EXPECT_TRUE(FixFile(*session_, {SectionId::DllInfo, "SYSLIB.DLL", FixMode::Fix, {}}).Succeeded());
  EXPECT_EQ(Content("C:\\WINDOWS\\SYSTEM\\SYSLIB.DLL"), Dll(2, 0));
  EXPECT_EQ(Content("C:\\WINDOWS\\BACKUP\\SYSLIB.DLL.001"), (Bytes{'d', 'a', 'm', 'a', 'g', 'e', 'd'}));
}

TEST_F(FileFixTest, ACopyAfterWhichTheCheckFindsTheSameProblemIsToldAndNotCounted) {
  // The CD holds a file without version information, which the medium may
  // offer, but the check still asks for a version.
  Bytes plainOther = test::PlainDll();
  plainOther.push_back(0);
  image_.File(kTarget, test::PlainDll());
  Cd("APPCD", plainOther);
  LoadApp();
  const FixResult result = Fix();
  EXPECT_EQ(result.outcome, FixOutcome::NotTaken);
  EXPECT_EQ(result.message,
            "The change to 'mylib.dll' did not take effect: checking it again still shows the same problem.");
  EXPECT_EQ(session_->Counters().fixesMade, 0);
  EXPECT_EQ(Content("C:\\APP\\BACKUP\\MYLIB.DLL.001"), test::PlainDll());
}

}  // namespace
}  // namespace cvn
