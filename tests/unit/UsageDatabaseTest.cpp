// The usage database over several starts: what the first run records, what
// later runs add, when snapshots are due, and that a failed or hostile
// update never costs the user the history already recorded.
#include <gtest/gtest.h>

#include "config/Answers.h"
#include "tests/unit/UsageTestSupport.h"
#include "usage/UsageFrequency.h"

namespace cvn {
namespace {

using test::kUsageUbk;
using test::kUsageUdb;

class UsageDatabaseTest : public test::UsageTest {};

TEST_F(UsageDatabaseTest, FirstRunRecordsEachRecordedItemOnceAndAnUnchangedRunOnlyRewritesLastCheck) {
  ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
  const std::string created = Udb();
  EXPECT_EQ(created,
            ";\r\n"
            "; Application Usage Database (udb)\r\n"
            "; Written by the Corvane diagnostic wizard, 2026\r\n"
            "\r\n"
            "[Preferences]\r\nCheckFrequency=always\r\nLastCheck=199707011200\r\n\r\n"
            "[Directory Info]\r\n\r\n"
            "[Program Info]\r\nAPP.EXE, 1\r\n   199707011200=, 10, 199701021030\r\n\r\n"
            "[DLL Info]\r\nA.DLL, 1\r\n   199707011200=1.0.0.0, " +
                std::to_string(Read("C:\\APP\\A.DLL").size()) +
                ", 199701021030\r\nB.DAT, 1\r\n   199707011200=, 4, 199701021031\r\n\r\n"
                "[INI Info]\r\napp\\Options\\WordWrap\r\n   199707011200=1\r\n\r\n"
                "[Registry Info]\r\nHKEY_CURRENT_USER\\Software\\Usage\\Mode\r\n   199707011200=fast\r\n"
                "HKEY_CURRENT_USER\\Software\\Usage\\Path\r\n   199707011200=%windir%\\x\r\n\r\n"
                "[End]\r\n");
  EXPECT_TRUE(tally_.created);
  EXPECT_EQ(tally_.snapshotsAdded, 6u);

  ASSERT_EQ(Update("1997-07-02 09:30:00"), platform::kSOk);
  std::string expected = created;
  expected.replace(expected.find("LastCheck=199707011200"), 22, "LastCheck=199707020930");
  EXPECT_EQ(Udb(), expected);
  EXPECT_FALSE(tally_.created);
  EXPECT_EQ(tally_.snapshotsAdded, 0u);
  EXPECT_TRUE(machine_->Messages().empty());
  EXPECT_EQ(Read(kUsageUbk), "<missing>");
}

TEST(UsageFrequency, PeriodsOfEachFrequency) {
  auto at = [](int year, int month, int day) {
    return platform::SystemTime{static_cast<uint16_t>(year), static_cast<uint16_t>(month), 0,
                                static_cast<uint16_t>(day)};
  };
  EXPECT_EQ(CompareByFrequency(at(1997, 7, 7), at(1997, 7, 6), frequency::kWeekly), 1);
  EXPECT_EQ(CompareByFrequency(at(1997, 7, 13), at(1997, 7, 7), frequency::kWeekly), 0);
  EXPECT_EQ(CompareByFrequency(at(1997, 7, 31), at(1997, 7, 28), frequency::kWeekly), 0);
  EXPECT_EQ(CompareByFrequency(at(1997, 6, 30), at(1997, 7, 1), frequency::kMonthly), -1);
  EXPECT_EQ(CompareByFrequency(at(1997, 7, 31), at(1997, 7, 1), frequency::kMonthly), 0);
  EXPECT_EQ(CompareByFrequency(at(1998, 1, 1), at(1997, 12, 31), frequency::kDaily), 1);
  EXPECT_EQ(CompareByFrequency(at(1997, 7, 1), at(1997, 7, 1), frequency::kAlways), 1);
  EXPECT_EQ(CompareByFrequency(at(2001, 1, 1), at(1997, 7, 1), frequency::kNever), -1);
}

// A changed setting gets its line only when a snapshot is due.
TEST_F(UsageDatabaseTest, SnapshotsAreTakenWhenTheFrequencyOrChangesMadeSaysSo) {
  struct Case {
    const char* frequency;
    const char* first;
    const char* second;
    bool changesMade;
    bool due;
  };
  const Case cases[] = {
      {"weekly", "1997-07-06 12:00:00", "1997-07-07 08:00:00", false, true},
      {"weekly", "1997-07-07 12:00:00", "1997-07-13 23:00:00", false, false},
      {"never", "1997-07-01 12:00:00", "1998-07-01 12:00:00", false, false},
      {"never", "1997-07-01 12:00:00", "1997-07-01 12:05:00", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.frequency) + " " + c.second);
    Database(c.frequency);
    image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=1\r\n").File("C:\\WINDOWS\\cvn.ini", "");
    Start(c.first);
    machine_->Files().DeleteFile(kUsageUdb);
    ASSERT_EQ(UpdateUsageDatabase(*context_, test::kUsageCdb, database_.get()), platform::kSOk);
    image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=0\r\n");
    if (c.changesMade) image_.File("C:\\WINDOWS\\cvn.ini", "[Usage]\r\nChangesMade=1\r\n");
    ASSERT_EQ(Update(c.second), platform::kSOk);
    EXPECT_EQ(Udb().find("=0\r\n") != std::string::npos, c.due);
    EXPECT_FALSE(ChangesMadeMarked(*context_));
  }
}

TEST_F(UsageDatabaseTest, TheFrequencyStoredInTheFileIsUsedNotTheVendorsNewOne) {
  ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
  Database("never");
  image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=0\r\n");
  ASSERT_EQ(Update("1997-07-01 12:01:00"), platform::kSOk);
  EXPECT_NE(Udb().find("WordWrap\r\n   199707011200=1\r\n   199707011201=0\r\n"), std::string::npos) << Udb();
  EXPECT_NE(Udb().find("CheckFrequency=always"), std::string::npos);
}

TEST_F(UsageDatabaseTest, FileChangesAreRecordedWhereTheFileIsFound) {
  ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
  // A.DLL moves to a folder on the search path with a new version; B.DAT is deleted.
  image_.File("C:\\WINDOWS\\SYSTEM\\A.DLL", test::VersionedDll(0x00020000, 0), At(1997, 7, 1, 11, 0));
  machine_->Files().DeleteFile("C:\\APP\\A.DLL");
  machine_->Files().DeleteFile("C:\\APP\\B.DAT");
  ASSERT_EQ(Update("1997-07-01 12:30:00"), platform::kSOk);
  EXPECT_NE(Udb().find(", 199701021030\r\n   199707011230=2.0.0.0, "), std::string::npos) << Udb();
  EXPECT_NE(Udb().find("B.DAT, 1\r\n   199707011200=, 4, 199701021031\r\n\r\n"), std::string::npos);
  EXPECT_EQ(tally_.snapshotsAdded, 1u);
}

TEST_F(UsageDatabaseTest, SettingValuesAreComparedAsTheirKindAllows) {
  // WordWrap blank, Mode differing in letter case only, Path of type
  // REG_EXPAND_SZ changed.
  image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=\r\n");
  ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
  EXPECT_NE(Udb().find("WordWrap\r\n   199707011200=\r\n"), std::string::npos);
  image_.Registry("HKEY_CURRENT_USER\\Software\\Usage", "Mode", "FAST")
      .RegistryValue("HKEY_CURRENT_USER\\Software\\Usage", "Path", platform::regtype::kExpandString, Text("y"));
  ASSERT_EQ(Update("1997-07-01 12:01:00"), platform::kSOk);
  EXPECT_EQ(tally_.snapshotsAdded, 0u);
  image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=1\r\n");
  ASSERT_EQ(Update("1997-07-01 12:02:00"), platform::kSOk);
  EXPECT_NE(Udb().find("WordWrap\r\n   199707011200=\r\n   199707011202=1\r\n"), std::string::npos) << Udb();
  EXPECT_EQ(tally_.snapshotsAdded, 1u);
}

// Hand-edited and damaged lines are copied unchanged and never read: an
// unreadable last snapshot is not taken for the entry's state, and nothing
// after [End] is read.
TEST_F(UsageDatabaseTest, UnreadableLinesAndTextAfterEndAreCopiedUnchanged) {
  const std::string hostile =
      "[Preferences]\nCheckFrequency=always\nLastCheck=garbage\n"
      "[Weird Section]\n  x=\t\x01y\n"
      "[INI Info]\n"
      "app\\Options\\WordWrap\n   199707011200=1 ; stays 1\n   19970701=0\n   ;\n"
      "[Registry Info]\nHKEY_CURRENT_USER\\Software\\Usage\\Mode\n   199707011200=fast\n   1997x=slow\n"
      "[End]\nHKEY_CURRENT_USER\\Software\\Usage\\Mode\n   199707011200=slow\n\x1a trailing";
  image_.File(kUsageUdb, hostile);
  ASSERT_EQ(Update("1997-07-03 12:00:00"), platform::kSOk);
  std::string expected = hostile;
  expected.replace(expected.find("LastCheck=garbage\n"), 18, "LastCheck=199707031200\r\n");
  // The value read back is "1 ; stays 1", which differs from the live "1".
  expected.insert(expected.find("[Registry Info]"), "   199707031200=1\r\n");
  EXPECT_EQ(Udb(), expected);
  EXPECT_EQ(tally_.snapshotsAdded, 1u);
}

// The refresh stops at each failure the machine can inject; the usage
// database stays byte for byte what it was, and the next start still
// records the change.
TEST_F(UsageDatabaseTest, AFailedRefreshLeavesTheOldFileIntact) {
  const std::pair<const char*, emulated::InjectedFailure> failures[] = {
      {"Unable to create Usage Database file 'c:\\app\\usage.ubk'.", emulated::InjectedFailure::CannotCreate},
      {"Unable to process Usage Database file 'c:\\app\\usage.udb'.", emulated::InjectedFailure::WritePartWay},
      {"Unable to update Usage Database file 'c:\\app\\usage.udb'.", emulated::InjectedFailure::CannotMove},
  };
  ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
  const std::string old = Udb();
  image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=0\r\n").File("C:\\WINDOWS\\cvn.ini", "[Usage]\r\nChangesMade=1\r\n");
  for (const auto& [message, failure] : failures) {
    SCOPED_TRACE(message);
    Start("1997-07-02 12:00:00");
    machine_->InjectFailure(kUsageUbk, failure);
    EXPECT_EQ(UpdateUsageDatabase(*context_, test::kUsageCdb, database_.get()), platform::kEFail);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{message});
    EXPECT_EQ(Udb(), old);
    EXPECT_EQ(Read(kUsageUbk), "<missing>");
    EXPECT_TRUE(ChangesMadeMarked(*context_));
  }
  ASSERT_EQ(Update("1997-07-03 12:00:00"), platform::kSOk);
  EXPECT_NE(Udb().find("   199707031200=0\r\n"), std::string::npos);
}

TEST_F(UsageDatabaseTest, AMoveThatDeletedTheOldFileLeavesTheNewOneForTheNextStart) {
  ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
  image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=0\r\n");
  Start("1997-07-02 12:00:00");
  machine_->InjectFailure(kUsageUdb, emulated::InjectedFailure::DeletedThenCannotMove);
  EXPECT_EQ(UpdateUsageDatabase(*context_, test::kUsageCdb, database_.get()), platform::kEFail);
  EXPECT_EQ(Udb(), "<missing>");
  const std::string kept = Read(kUsageUbk);
  EXPECT_NE(kept.find("   199707021200=0\r\n"), std::string::npos);

  ASSERT_EQ(Update("1997-07-03 12:00:00"), platform::kSOk);
  EXPECT_EQ(Read(kUsageUbk), "<missing>");
  EXPECT_NE(Udb().find("   199707021200=0\r\n"), std::string::npos);  // the history was not started over
  EXPECT_NE(Udb().find("LastCheck=199707031200"), std::string::npos);
}

TEST_F(UsageDatabaseTest, AReadOnlyFileIsToldOnceUntilItIsWritableAgain) {
  ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
  image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=0\r\n");
  const std::string old = Udb();
  image_.File(kUsageUdb, old, {std::nullopt, platform::attr::kReadOnly | platform::attr::kArchive});
  const std::string told =
      "The usage database 'c:\\app\\usage.udb' is read-only, so changes to the application are not recorded. To "
      "record them again, clear the file's read-only attribute (right-click the file, choose Properties).";
  EXPECT_EQ(Update("1997-07-02 12:00:00"), platform::kEFail);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{told});
  EXPECT_EQ(Update("1997-07-03 12:00:00"), platform::kEFail);
  EXPECT_TRUE(MessageTexts().empty());
  EXPECT_EQ(Udb(), old);

  machine_->Files().SetAttributes(kUsageUdb, platform::attr::kArchive);
  ASSERT_EQ(Update("1997-07-04 12:00:00"), platform::kSOk);
  EXPECT_NE(Udb().find("   199707041200=0\r\n"), std::string::npos);
  image_.File(kUsageUdb, Udb(), {std::nullopt, platform::attr::kReadOnly | platform::attr::kArchive});
  EXPECT_EQ(Update("1997-07-05 12:00:00"), platform::kEFail);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{told});
}

TEST_F(UsageDatabaseTest, AFileThatCannotBeCreatedOnAFixedDriveDIsTold) {
  image_.Drive('D', platform::DriveType::Fixed, "DATA")
      .File("D:\\APP\\APP.EXE", "MZ")
      .File("D:\\APP\\D.cdb", "[App Info]\nAppName=D\nAppFileName=APP.EXE\n[End]\n");
  image_.Fact("Clock", "Now", "1997-07-01 12:00:00");
  machine_ = image_.Open();
  ASSERT_NE(machine_, nullptr);
  context_ = std::make_unique<RunContext>(*machine_);
  ConfigDatabase database;
  ASSERT_EQ(database.Load(*context_, "D:\\APP\\D.cdb"), platform::kSOk);
  machine_->InjectFailure("D:\\APP\\D.ubk", emulated::InjectedFailure::CannotCreate);
  EXPECT_EQ(UpdateUsageDatabase(*context_, "D:\\APP\\D.cdb", &database), platform::kEFail);
  ASSERT_EQ(MessageTexts().size(), 1u);
  EXPECT_TRUE(MessageTexts()[0].starts_with("Unable to create Usage Database file 'd:\\app\\d.")) << MessageTexts()[0];
}

TEST_F(UsageDatabaseTest, PathsThatCannotBeUsedAreReported) {
  Start("1997-07-01 12:00:00");
  EXPECT_EQ(UpdateUsageDatabase(*context_, "C:\\APP.D\\Usage", database_.get()), platform::kEFail);
  machine_->InjectFailure(kUsageUbk, emulated::InjectedFailure::CannotCreate);
  EXPECT_EQ(UpdateUsageDatabase(*context_, test::kUsageCdb, database_.get()), platform::kEFail);
  EXPECT_EQ(RefreshUsageDatabase(*context_, kUsageUdb, database_.get()), platform::kEFail);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Unable to locate Usage Database file for 'c:\\app.d\\usage'.",
                                "Unable to create Usage Database file 'c:\\app\\usage.udb'.",
                                "Unable to open Usage Database file 'c:\\app\\usage.udb'.",
                            }));
}

}  // namespace
}  // namespace cvn
