// The recent-changes list on hand-written usage databases: which snapshot
// a row compares with, how the earlier state is judged, the row texts and
// statuses, and the wizard's one scan.
#include <gtest/gtest.h>

#include "tests/unit/UsageTestSupport.h"
#include "usage/RecentChanges.h"
#include "util/MemoryList.h"

namespace cvn {
namespace {

constexpr const char* kMode = "HKEY_CURRENT_USER\\Software\\Usage\\Mode";

class RecentChangesTest : public test::UsageTest {
 protected:
  // The usage database `sections` after its preferences, at 1 Aug 1997.
  void Udb(const std::string& sections) {
    image_.File(test::kUsageUdb, "[Preferences]\r\nCheckFrequency=always\r\nLastCheck=199708010000\r\n" + sections +
                                     "[End]\r\n");
    Start("1997-08-01 12:00:00");
  }

  RecentChanges Changes(const std::string& since, bool showAll = false) {
    RecentChanges changes;
    EXPECT_EQ(CollectRecentChanges(*context_, *database_, {showAll, since, ScanExtent::AllRows}, changes),
              platform::kSOk);
    return changes;
  }

  // Mode with snapshots A (1 Jul), B (3 Jul) and C (5 Jul).
  static std::string ModeHistory() {
    return std::string("[Registry Info]\r\n") + kMode +
           "\r\n   199707010900=fast\r\n   199707031000=slow\r\n   199707051100=medium\r\n";
  }
};

TEST_F(RecentChangesTest, AnItemIsComparedWithItsFirstDifferingSnapshotSinceTheDate) {
  struct Case {
    const char* current;
    const char* previous;
    const char* changedOn;
  };
  const Case cases[] = {
      {"medium", "slow", "Changed on Thursday, July 03, 1997 10:00 AM."},
      {"slow", "medium", "Changed on Saturday, July 05, 1997 11:00 AM."},
      {"fast", "slow", "Changed on Thursday, July 03, 1997 10:00 AM."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.current);
    image_.Registry("HKEY_CURRENT_USER\\Software\\Usage", "Mode", c.current);
    Udb(ModeHistory());
    const RecentChanges changes = Changes("199707020000", true);
    ASSERT_EQ(changes.rows.size(), 1u);
    const RecentChangeRow& row = changes.rows.front();
    EXPECT_EQ(row.name, "Mode");
    EXPECT_EQ(row.current, c.current);
    EXPECT_EQ(row.previous, c.previous);
    // Mode accepts only "fast" and is not required.
    const bool fast = std::string(c.previous) == "fast";
    EXPECT_EQ(row.notes, std::string(c.changedOn) + (fast ? "" : "  The previous value is not acceptable.") +
                             "  This item is not required.");
    EXPECT_EQ(row.data.status, fast ? recentstatus::kAcceptableNotRequired : recentstatus::kNotAcceptableNotRequired);
    EXPECT_EQ(row.data.canFix, fast);
    EXPECT_EQ(row.data.category, SectionId::RegistryInfo);
    EXPECT_EQ(row.data.itemIndex, 0);
    EXPECT_EQ(changes.dates, (std::vector<std::string>{"199707010900", "199707031000", "199707051100"}));
    EXPECT_EQ(changes.dates.at(static_cast<size_t>(row.data.sortValue)), row.stamp);
  }
}

TEST_F(RecentChangesTest, ShowOkOnlyPassesOverUnacceptableSnapshotsButCountsThem) {
  // A.DLL (1.0.0.0 now) accepts 1.0 and rejects 0.9.
  Udb("[DLL Info]\r\nA.DLL, 1\r\n   199707010900=0.9.0.0, 100, 199701010000\r\n"
      "   199707021000=1.0.0.0, 100, 199701010000\r\n   199707031000=2.0.0.0, 100, 199701010000\r\n");
  const RecentChanges okOnly = Changes("199707010000");
  ASSERT_EQ(okOnly.rows.size(), 1u);
  EXPECT_EQ(okOnly.rows[0].previous, "2.0.0.0");
  EXPECT_EQ(okOnly.rows[0].data.status, recentstatus::kAcceptableRequired);
  EXPECT_EQ(okOnly.rows[0].data.text, "2.0.0.0");
  EXPECT_EQ(okOnly.badCount, 1);

  const RecentChanges all = Changes("199707010000", true);
  ASSERT_EQ(all.rows.size(), 1u);
  EXPECT_EQ(all.rows[0].previous, "0.9.0.0");
  EXPECT_EQ(all.rows[0].current, "1.0.0.0");
  EXPECT_EQ(all.rows[0].data.status, recentstatus::kNotAcceptableRequired);
  EXPECT_FALSE(all.rows[0].data.canFix);
  EXPECT_NE(all.rows[0].notes.find("  The previous version is not acceptable."), std::string::npos);
}

TEST_F(RecentChangesTest, AFileWithoutVersionIsComparedBySizeAndTime) {
  Udb("[DLL Info]\r\nB.DAT, 1\r\n   199707010900=, 4, 199701021031\r\n   199707021000=, 9, 199706300800\r\n");
  const RecentChanges changes = Changes("199707010000");
  ASSERT_EQ(changes.rows.size(), 1u);
  EXPECT_EQ(changes.rows[0].current, "4 bytes Thursday, January 02, 1997 10:31 AM");
  EXPECT_EQ(changes.rows[0].previous, "9 bytes Monday, June 30, 1997 8:00 AM");
  EXPECT_EQ(changes.rows[0].data.size, 9u);
  EXPECT_EQ(changes.rows[0].data.time.day, 30);
  EXPECT_EQ(changes.rows[0].data.status, recentstatus::kAcceptableNotRequired);
}

TEST_F(RecentChangesTest, NothingIsListedForACaseChangeAnUnreadableLineOrBeforeADateIsChosen) {
  image_.Registry("HKEY_CURRENT_USER\\Software\\Usage", "Mode", "FAST");
  Udb(std::string("[Registry Info]\r\n") + kMode + "\r\n   199707010900=fast\r\n   1997070=slow\r\n" +
      "   199713010900=slow\r\n[DLL Info]\r\nA.DLL, 1\r\n   199707010900=1.0.0.0, 1\r\n");
  EXPECT_TRUE(Changes("").rows.empty());
  EXPECT_EQ(Changes("").dates, std::vector<std::string>{"199707010900"});
  EXPECT_TRUE(Changes(kNoStampChosen, true).rows.empty());
  EXPECT_FALSE(RecentChangesWorthShowing(*context_, *database_));
}

TEST_F(RecentChangesTest, RevertedItemsShowTheirRevertAndTheListGetsTheRows) {
  Udb("[DLL Info]\r\nA.DLL, 1\r\n   199707010900=0.9.0.0, 1, 199701010000\r\n"
      "B.DAT, 1\r\n   199707010900=, 1, 199701010000\r\n" + ModeHistory());
  ASSERT_TRUE(RecentChangesWorthShowing(*context_, *database_));
  // The revert of A.DLL waits for a restart; B.DAT was reverted at once.
  auto& dlls = *database_->GetSection(SectionId::DllInfo);
  dlls.ItemAs<FileItem>(0)->reverted = dlls.ItemAs<FileItem>(0)->fixPendingRestart = true;
  dlls.ItemAs<FileItem>(1)->reverted = true;
  MemoryList list;
  int badCount = 0;
  int rowCount = 0;
  std::vector<std::string> dates;
  ASSERT_EQ(BuildRecentChanges(*context_, *database_, &list, true, badCount, rowCount, dates, ""), platform::kSOk);
  ASSERT_EQ(list.ItemCount(), 3);
  EXPECT_EQ(rowCount, 3);
  EXPECT_EQ(badCount, 2);
  EXPECT_EQ(list.GetItemText(0, 0, 260), "A.DLL");
  EXPECT_EQ(list.GetItemData(0)->status, recentstatus::kNotAcceptableRequired + 4);
  EXPECT_EQ(list.GetItemData(1)->status, recentstatus::kReverted);
  EXPECT_EQ(list.GetItemText(2, 1, 260), "fast");
  EXPECT_EQ(list.GetItemText(2, 2, 260), "slow");
  EXPECT_EQ(list.GetItemData(2)->rowNumber, 2);
}

TEST_F(RecentChangesTest, AMissingUsageDatabaseIsReported) {
  Start("1997-08-01 12:00:00");
  RecentChanges changes;
  EXPECT_EQ(CollectRecentChanges(*context_, *database_, {}, changes), platform::kEFail);
  database_->path = "C:\\APP\\NODOT";
  EXPECT_EQ(CollectRecentChanges(*context_, *database_, {}, changes), platform::kEFail);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Unable to open Usage Database file 'c:\\app\\usage.udb'.",
                                                      "Unable to open Usage Database file."}));
}

}  // namespace
}  // namespace cvn
