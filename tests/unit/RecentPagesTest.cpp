// The Check Recent Changes pages through the recording sheet, on a usage
// database made by two starts: the wizard's scan, the date box, the list
// after a date is chosen, Revert of a setting and of a file in use, and the
// retry page that follows.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/unit/UsageTestSupport.h"
#include "ui/CCVNWizard.h"
#include "ui/fakes/RecordingSheet.h"

namespace cvn {
namespace {

class RecentPagesTest : public test::UsageTest {
 protected:
  // A first start records the application; then WordWrap and A.DLL change
  // (the old A.DLL kept as a numbered backup) and a second start records
  // that; the wizard runs on the start after.
  void ChangeAndRecord() {
    ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
    image_.File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=0\r\nFont=Arial\r\n")
        .File("C:\\APP\\A.DLL", test::VersionedDll(0x00020000, 0))
        .File("C:\\APP\\BACKUP\\A.DLL.001", test::VersionedDll(0x00010000, 0));
    ASSERT_EQ(Update("1997-07-02 12:00:00"), platform::kSOk);
  }

  // The sheet and the wizard go before the machine they hold.
  void CloseWizard() {
    sheet_.reset();
    wizard_.reset();
  }

  void OpenWizard(const std::string& now) {
    CloseWizard();
    Start(now);
    wizard_ = std::make_unique<CCVNWizard>(*context_, *database_, answers_, user_, host_);
    sheet_ = std::make_unique<RecordingSheet>(*wizard_);
  }

  // The list for the first recorded date, while A.DLL is held open.
  RecordingSurface& ListWithTheDllInUse() {
    ChangeAndRecord();
    image_.FileInUse("C:\\APP\\A.DLL");
    OpenWizard("1997-07-03 12:00:00");
    RecordingSurface& page = OpenList();
    ChooseDate(page, 0);
    return page;
  }

  RecordingSurface& OpenList() {
    RecordingSurface& surface = sheet_->Surface(wizard_->recent2Page);
    surface.Control(IDC_LIST).clientWidth = 440;
    sheet_->SetActivePage(wizard_->IndexOf(wizard_->recent2Page));
    EXPECT_EQ(sheet_->Active(), &wizard_->recent2Page);
    return surface;
  }

  void ChooseDate(RecordingSurface& surface, int line) {
    surface.Control(IDC_DATE_LIST).selectedLine = line;
    sheet_->Press(IDC_DATE_LIST);
  }

  static const MemoryList& Rows(RecordingSurface& surface) {
    return static_cast<const MemoryList&>(*surface.Rows(IDC_LIST));
  }
  // The row whose first column is `name`; -1 when there is none.
  static int RowNamed(RecordingSurface& surface, const std::string& name) {
    for (int i = 0; i < Rows(surface).ItemCount(); ++i) {
      if (Rows(surface).GetItemText(i, 0, 260) == name) return i;
    }
    return -1;
  }
  void Select(RecordingSurface& surface, int row) {
    surface.Rows(IDC_LIST)->SetItemState(row, rowstate::kFocused | rowstate::kSelected,
                                         rowstate::kFocused | rowstate::kSelected);
    sheet_->Notify({ListEvent::Kind::RowChanged, IDC_LIST, row, -1});
  }

  SavedAnswers answers_;
  UserInfo user_;
  RecordingUiHost host_;
  std::unique_ptr<CCVNWizard> wizard_;
  std::unique_ptr<RecordingSheet> sheet_;
};

TEST_F(RecentPagesTest, TheSectionIsShownOnlyWhenAUsageDatabaseHoldsADifference) {
  OpenWizard("1997-07-01 12:00:00");
  EXPECT_FALSE(wizard_->RecentChangesFound());
  EXPECT_EQ(wizard_->IndexOf(wizard_->recent1Page), -1);
  // No usage database yet: the scan is not even tried, so no message.
  EXPECT_TRUE(MessageTexts().empty());

  CloseWizard();
  ASSERT_EQ(Update("1997-07-01 12:00:00"), platform::kSOk);
  OpenWizard("1997-07-02 12:00:00");
  EXPECT_FALSE(wizard_->RecentChangesFound());

  CloseWizard();
  ChangeAndRecord();
  OpenWizard("1997-07-03 12:00:00");
  EXPECT_TRUE(wizard_->RecentChangesFound());
  EXPECT_GE(wizard_->IndexOf(wizard_->recent2Page), 0);
}

TEST_F(RecentPagesTest, AChosenDateListsTheChangesAndRevertWritesTheSettingBack) {
  ChangeAndRecord();
  OpenWizard("1997-07-03 12:00:00");
  RecordingSurface& page = OpenList();
  // Before a date is chosen the list is empty.
  EXPECT_EQ(Rows(page).ItemCount(), 0);
  EXPECT_EQ(page.GetText(IDC_FOUND_COUNT), "Differences found: none");
  EXPECT_EQ(page.GetText(IDC_HINT), "Select a date above to show recent changes");
  ASSERT_EQ(wizard_->recent2Page.dates.size(), 2u);
  EXPECT_EQ(page.Control(IDC_DATE_LIST).lines,
            (std::vector<std::string>{"Tuesday, July 01, 1997 12:00 PM", "Wednesday, July 02, 1997 12:00 PM"}));
  const auto& columns = page.Control(IDC_LIST).columns;
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[1].title, "Current");
  EXPECT_EQ(columns[2].title, "Previous");

  ChooseDate(page, 0);
  EXPECT_EQ(page.GetText(IDC_FOUND_COUNT), "Differences found: 2");
  const int wordWrap = RowNamed(page, "WordWrap");
  ASSERT_GE(wordWrap, 0);
  EXPECT_EQ(Rows(page).GetItemText(wordWrap, 1, 260), "0");
  EXPECT_EQ(Rows(page).GetItemText(wordWrap, 2, 260), "1");
  EXPECT_EQ(Rows(page).GetItemText(RowNamed(page, "A.DLL"), 2, 260), "1.0.0.0");
  EXPECT_FALSE(page.Control(IDC_SHOW_ALL).enabled);
  EXPECT_FALSE(page.Control(IDC_FIX).enabled);

  Select(page, wordWrap);
  EXPECT_TRUE(page.Control(IDC_DETAILS).enabled);
  EXPECT_TRUE(page.Control(IDC_FIX).enabled);
  EXPECT_EQ(page.GetText(IDC_HINT), "app.ini [Options] WordWrap");

  sheet_->Press(IDC_FIX);
  EXPECT_EQ(machine_->Ini().GetString("Options", "WordWrap", "", "C:\\APP\\APP.INI", 64), "1");
  EXPECT_EQ(wizard_->Counters().revertsMade, 1);
  EXPECT_FALSE(wizard_->check7Page.ListBuilt());
  EXPECT_EQ(machine_->Ini().GetString("Usage", "ChangesMade", "", "C:\\WINDOWS\\cvn.ini", 8), "1");
  // Now the differing snapshot is the unacceptable "0" of the second start:
  // listed only with Show All, as reverted rows keep their problem level.
  EXPECT_EQ(RowNamed(page, "WordWrap"), -1);
  EXPECT_EQ(page.GetText(IDC_FOUND_COUNT), "Differences found: 1");
  ASSERT_TRUE(page.Control(IDC_SHOW_ALL).enabled);
  sheet_->Press(IDC_SHOW_ALL);
  const int reverted = RowNamed(page, "WordWrap");
  ASSERT_GE(reverted, 0);
  EXPECT_EQ(Rows(page).GetItemText(reverted, 2, 260), "0");
  EXPECT_EQ(Rows(page).RowAt(reverted)->image, recentstatus::kNotAcceptableRequired);
  EXPECT_TRUE(page.Control(IDC_SHOW_PROBLEMS).enabled);

  ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(sheet_->Active(), &wizard_->recent3Page);
  EXPECT_FALSE(sheet_->Surface(wizard_->recent3Page).Control(IDC_RESTART_WINDOWS).shown);
}

TEST_F(RecentPagesTest, AFileRevertedAtTheNextRestartShowsSoAndTheRetryPageOffersTheRestart) {
  RecordingSurface& page = ListWithTheDllInUse();
  Select(page, RowNamed(page, "WordWrap"));
  sheet_->Press(IDC_FIX);
  const int dll = RowNamed(page, "A.DLL");
  ASSERT_GE(dll, 0);
  Select(page, dll);
  sheet_->Press(IDC_FIX);
  EXPECT_EQ(wizard_->Counters().revertsMade, 1);
  EXPECT_EQ(wizard_->Counters().revertsPendingRestart, 1);
  EXPECT_EQ(Rows(page).RowAt(RowNamed(page, "A.DLL"))->image, recentstatus::kRevertedAtRestart);

  // A fix elsewhere makes the list out of date: it is rebuilt for the date
  // already chosen, which the refilled box shows.
  wizard_->recent2Page.MarkOutOfDate();
  ASSERT_TRUE(sheet_->Back());
  ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(page.Control(IDC_DATE_LIST).lines.size(), 2u);
  EXPECT_EQ(page.Control(IDC_DATE_LIST).selectedLine, 0);
  EXPECT_GE(RowNamed(page, "A.DLL"), 0);

  ASSERT_TRUE(sheet_->Next());
  RecordingSurface& retry = sheet_->Surface(wizard_->recent3Page);
  EXPECT_EQ(sheet_->Active(), &wizard_->recent3Page);
  EXPECT_TRUE(retry.Control(IDC_RESTART_WINDOWS).shown);
  EXPECT_EQ(retry.Control(IDC_PICTURE).iconId, icon::kSystemStop);
}

TEST_F(RecentPagesTest, ALoneRevertThatWaitsForTheRestartIsOfferedTheRestart) {
  RecordingSurface& page = ListWithTheDllInUse();
  Select(page, RowNamed(page, "A.DLL"));
  sheet_->Press(IDC_FIX);
  EXPECT_EQ(wizard_->Counters().revertsMade, 0);
  EXPECT_EQ(wizard_->Counters().revertsPendingRestart, 1);
  ASSERT_TRUE(sheet_->Next());
  EXPECT_EQ(sheet_->Active(), &wizard_->recent3Page);
  EXPECT_TRUE(sheet_->Surface(wizard_->recent3Page).Control(IDC_RESTART_WINDOWS).shown);
}

}  // namespace
}  // namespace cvn
