// The configuration check pages through the recording sheet: the lists,
// their counts and filters, sorting, Details and Fix of the selected row,
// the DLL load check on the Program Files page, and the retry page.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "checks/Requirements.h"
#include "platform/emulated/ImageBuilder.h"
#include "resources/resource.h"
#include "ui/CCVNWizard.h"
#include "ui/fakes/RecordingSheet.h"

namespace cvn {
namespace {

constexpr const char* kApp = "[App Info]\nAppName=Sample\nAppFileName=APP.EXE\n"
                             "[Corvane Info]\nAskQuestions=N\nCheckMisc=N\n";
// One file that passes, one missing (serious), one in a second folder too
// (a folder finding, not fixable).
constexpr const char* kDlls = "[DLL Info]\nGOOD.DLL, 1, 1, Y, N\nGONE.DLL, 1, 1, Y, N\nTWICE.DLL, 1, 1, N, N\n";

class CheckPagesTest : public ::testing::Test {
 protected:
  void Make(const std::string& sections) {
    image_.Windows95();
    image_.File("C:\\CORVANE\\APP.EXE", "MZ").File("C:\\CORVANE\\GOOD.DLL", "MZ").File("C:\\CORVANE\\TWICE.DLL", "MZ");
    image_.File("C:\\WINDOWS\\TWICE.DLL", "MZ").File("C:\\CORVANE\\APP.CDB", std::string(kApp) + sections + "[End]\n");
    machine_ = image_.Open();
    ASSERT_NE(machine_, nullptr) << image_.Error();
    context_ = std::make_unique<RunContext>(*machine_);
    ASSERT_EQ(database_.Load(*context_, "C:\\CORVANE\\APP.CDB"), platform::kSOk);
    wizard_ = std::make_unique<CCVNWizard>(*context_, database_, answers_, user_, host_);
    sheet_ = std::make_unique<RecordingSheet>(*wizard_);
  }

  RecordingSurface& Open(CCheckBase& page) {
    RecordingSurface& surface = sheet_->Surface(page);
    surface.Control(IDC_LIST).clientWidth = 440;
    sheet_->SetActivePage(wizard_->IndexOf(page));
    EXPECT_EQ(sheet_->Active(), &page);
    return surface;
  }

  static const MemoryList& Rows(RecordingSurface& surface) {
    return static_cast<const MemoryList&>(*surface.Rows(IDC_LIST));
  }
  static std::vector<std::string> Names(RecordingSurface& surface) {
    std::vector<std::string> names;
    for (int i = 0; i < Rows(surface).ItemCount(); ++i) names.push_back(Rows(surface).GetItemText(i, 0, 260));
    return names;
  }
  static bool Enabled(RecordingSurface& surface, int id) { return surface.Control(id).enabled; }

  // Selects row `row` as a click would: focus and selection, then the
  // notification.
  void Select(RecordingSurface& surface, int row) {
    surface.Rows(IDC_LIST)->SetItemState(row, rowstate::kFocused | rowstate::kSelected,
                                         rowstate::kFocused | rowstate::kSelected);
    sheet_->Notify({ListEvent::Kind::RowChanged, IDC_LIST, row, -1});
  }
  void ClickHeader(int column) { sheet_->Notify({ListEvent::Kind::ColumnClick, IDC_LIST, -1, column}); }

  // Puts the missing DLL in place as a repair would, and clears its check.
  void Restore(const std::string& name) {
    machine_->Files().CopyFile("C:\\CORVANE\\GOOD.DLL", "C:\\CORVANE\\" + name, platform::FailIfExists::Yes);
    auto* item = dynamic_cast<FileItem*>(ConfigDatabase::FindItem(database_.GetSection(SectionId::DllInfo), name,
                                                                  CaseSensitivity::Insensitive));
    ASSERT_NE(item, nullptr);
    item->checked = false;
  }

  std::string CvnIni(const char* key) {
    return machine_->Ini().GetString("Sample", key, "<none>", "C:\\WINDOWS\\cvn.ini", 4096);
  }

  emulated::ImageBuilder image_;
  std::unique_ptr<emulated::EmulatedMachine> machine_;
  std::unique_ptr<RunContext> context_;
  ConfigDatabase database_;
  SavedAnswers answers_;
  UserInfo user_;
  RecordingUiHost host_;
  std::unique_ptr<CCVNWizard> wizard_;
  std::unique_ptr<RecordingSheet> sheet_;
};

TEST_F(CheckPagesTest, APageWhoseItemsAllPass) {
  Make("[DLL Info]\nGOOD.DLL, 1, 1, Y, N\n");
  RecordingSurface& page = Open(wizard_->check4Page);
  EXPECT_EQ(page.GetText(IDC_HEADING), "DLL Files");
  EXPECT_EQ(page.GetText(IDC_FOUND_COUNT), "Problems found: none");
  EXPECT_FALSE(Enabled(page, IDC_SHOW_ALL));
  EXPECT_FALSE(Enabled(page, IDC_SHOW_PROBLEMS));
  EXPECT_FALSE(Enabled(page, IDC_DETAILS));
  EXPECT_FALSE(Enabled(page, IDC_FIX));
  ASSERT_EQ(Rows(page).ItemCount(), 1);
  EXPECT_EQ(Rows(page).RowAt(0)->image, 0) << Rows(page).GetItemText(0, 3, 260);
  EXPECT_EQ(wizard_->check4Page.HelpContext(), IDH_FILES);
  // Four columns, the notes at least 128 average characters wide.
  const auto& columns = page.Control(IDC_LIST).columns;
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[0].title, "File");
  EXPECT_GE(columns[3].width, 128 * wizard_->AvgCharWidth());
  EXPECT_EQ(page.Control(IDC_LIST).smallImages.size(), 12u);
  // Without problems no header sorts.
  ClickHeader(0);
  EXPECT_EQ(wizard_->check4Page.sortMode, sortmode::kDatabaseOrder);
}

TEST_F(CheckPagesTest, ShowProblemsShowAllAndTheHeaderSort) {
  Make(kDlls);
  RecordingSurface& page = Open(wizard_->check4Page);
  EXPECT_EQ(page.GetText(IDC_FOUND_COUNT), "Problems found: 2");
  // Worst first on the first build.
  EXPECT_EQ(Names(page), (std::vector<std::string>{"GONE.DLL", "TWICE.DLL", "GOOD.DLL"}));
  EXPECT_FALSE(Enabled(page, IDC_SHOW_ALL));
  EXPECT_TRUE(Enabled(page, IDC_SHOW_PROBLEMS));

  sheet_->Press(IDC_SHOW_PROBLEMS);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"GONE.DLL", "TWICE.DLL"}));
  EXPECT_TRUE(Enabled(page, IDC_SHOW_ALL));
  EXPECT_FALSE(Enabled(page, IDC_SHOW_PROBLEMS));
  sheet_->Press(IDC_SHOW_ALL);
  EXPECT_EQ(Rows(page).ItemCount(), 3);

  ClickHeader(0);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"GOOD.DLL", "GONE.DLL", "TWICE.DLL"}));
  ClickHeader(2);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"GOOD.DLL", "GONE.DLL", "TWICE.DLL"}));
  ClickHeader(0);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"GONE.DLL", "TWICE.DLL", "GOOD.DLL"}));

  // Leaving and coming back keeps the list as it is.
  ClickHeader(0);
  sheet_->SetActivePage(wizard_->IndexOf(wizard_->check1Page));
  Open(wizard_->check4Page);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"GOOD.DLL", "GONE.DLL", "TWICE.DLL"}));

  wizard_->check4Page.OnDestroy(page);
  EXPECT_EQ(Rows(page).ItemCount(), 0);
}

TEST_F(CheckPagesTest, AFolderProblemHasDetailsButNoFix) {
  Make(kDlls);
  RecordingSurface& page = Open(wizard_->check4Page);
  std::vector<ListedItem> detailed;
  wizard_->itemDetailsHandler = [&](const ListedItem& item) { detailed.push_back(item); };
  Select(page, 1);  // TWICE.DLL
  EXPECT_TRUE(Enabled(page, IDC_DETAILS));
  EXPECT_FALSE(Enabled(page, IDC_FIX));
  sheet_->Press(IDC_DETAILS);
  sheet_->Notify({ListEvent::Kind::DoubleClick, IDC_LIST, 1, -1});
  ASSERT_EQ(detailed.size(), 2u);
  EXPECT_EQ(detailed[0].name, "TWICE.DLL");
  EXPECT_EQ(detailed[0].category, SectionId::DllInfo);
  Select(page, 0);  // GONE.DLL
  EXPECT_TRUE(Enabled(page, IDC_FIX));
}

TEST_F(CheckPagesTest, ADoubleClickOnARequirementOpensItsDetails) {
  Make("");
  RecordingSurface& page = Open(wizard_->check2Page);
  const MemoryList& rows = Rows(page);
  int windows = -1;
  for (int row = 0; row < rows.ItemCount(); ++row) {
    if (rows.GetItemData(row)->itemIndex == details::kWindowsVersion) windows = row;
  }
  ASSERT_GE(windows, 0);
  Select(page, windows);
  sheet_->Notify({ListEvent::Kind::DoubleClick, IDC_LIST, windows, -1});
  EXPECT_EQ(host_.shown, std::vector<int>{IDD_CONFIG_DETAILS});
  EXPECT_EQ(host_.surfaces[IDD_CONFIG_DETAILS].GetText(IDC_HEADING), "Windows Version Details");
  EXPECT_EQ(host_.surfaces[IDD_CONFIG_DETAILS].GetText(IDC_DETAIL_LABEL3), "Windows Platform ID");
}

TEST_F(CheckPagesTest, RegistrationRowsNeverEnableFix) {
  Make("[OLE Server Info]\nVendor Ghost, GHOST.DLL, S, Vendor.Ghost.1, 1.0,\n"
       "Y, N, N, {00000000-0000-0000-0000-00000000000A}, {00000000-0000-0000-0000-00000000000B}\n");
  RecordingSurface& page = Open(wizard_->check10Page);
  ASSERT_EQ(Rows(page).ItemCount(), 1);
  EXPECT_EQ(Rows(page).GetItemText(0, 2, 260), "Problem found: server not found.");
  Select(page, 0);
  EXPECT_TRUE(Enabled(page, IDC_DETAILS));
  EXPECT_FALSE(Enabled(page, IDC_FIX));
  int fixes = 0;
  wizard_->fixItemHandler = [&](const ListedItem&) { return ++fixes, FixResult{FixOutcome::Done, false, ""}; };
  sheet_->Press(IDC_FIX);
  EXPECT_EQ(fixes, 0);
}

TEST_F(CheckPagesTest, AFixRefillsTheListAndShowsTheRetryPage) {
  Make(kDlls);
  RecordingSurface& page = Open(wizard_->check4Page);
  // A declined fix changes nothing.
  wizard_->fixItemHandler = [](const ListedItem&) { return FixResult{FixOutcome::Declined, true, ""}; };
  Select(page, 0);
  sheet_->Press(IDC_FIX);
  EXPECT_EQ(Rows(page).GetItemData(0)->status, 5);

  std::vector<ListedItem> fixed;
  wizard_->fixItemHandler = [&](const ListedItem& item) {
    fixed.push_back(item);
    Restore("GONE.DLL");
    wizard_->Fixes().Count(FixMode::Fix, FixOutcome::Done);
    return FixResult{FixOutcome::Done, false, ""};
  };
  Select(page, 0);
  sheet_->Press(IDC_FIX);
  ASSERT_EQ(fixed.size(), 1u);
  EXPECT_EQ(fixed[0].name, "GONE.DLL");
  EXPECT_EQ(page.GetText(IDC_FOUND_COUNT), "Problems found: 1");
  EXPECT_FALSE(Enabled(page, IDC_FIX));
  EXPECT_EQ(Rows(page).GetItemState(0, rowstate::kFocused), 0u);

  while (sheet_->Active() != &wizard_->check12Page && sheet_->Next()) {
  }
  ASSERT_EQ(sheet_->Active(), &wizard_->check12Page);
  RecordingSurface& retry = sheet_->Surface(wizard_->check12Page);
  EXPECT_EQ(retry.Control(IDC_PICTURE).iconId, icon::kSystemExclamation);
  EXPECT_FALSE(retry.Control(IDC_RESTART_TEXT).shown);
  EXPECT_FALSE(retry.Control(IDC_RESTART_WINDOWS).shown);
}

TEST_F(CheckPagesTest, TheRetryPageOffersARestartWhenAFixWaitsForOne) {
  Make(kDlls);
  wizard_->Fixes().Count(FixMode::Fix, FixOutcome::Done);
  wizard_->Fixes().Count(FixMode::Fix, FixOutcome::AtRestart);
  sheet_->SetActivePage(wizard_->IndexOf(wizard_->check12Page));
  ASSERT_EQ(sheet_->Active(), &wizard_->check12Page);
  RecordingSurface& retry = sheet_->Surface(wizard_->check12Page);
  EXPECT_EQ(retry.Control(IDC_PICTURE).iconId, icon::kSystemStop);
  EXPECT_TRUE(retry.Control(IDC_RESTART_TEXT).shown);
  EXPECT_TRUE(retry.Control(IDC_RESTART_WINDOWS).shown);
  machine_->QueueAnswer(platform::Answer::No);
  machine_->QueueAnswer(platform::Answer::Yes);
  sheet_->Press(IDC_RESTART_WINDOWS);
  EXPECT_TRUE(machine_->RestartRequests().empty());
  sheet_->Press(IDC_RESTART_WINDOWS);
  EXPECT_EQ(machine_->Messages().back().text, "Restart Windows now?");
  EXPECT_EQ(machine_->RestartRequests(), std::vector<uint32_t>{platform::exitwin::kReboot});
}

TEST_F(CheckPagesTest, TheRetryPageOffersTheRestartWhenTheOnlyFixWaitsForIt) {
  Make(kDlls);
  wizard_->Fixes().Count(FixMode::Fix, FixOutcome::AtRestart);
  Open(wizard_->check4Page);
  bool shown = false;
  while (!shown && sheet_->Next()) shown = sheet_->Active() == &wizard_->check12Page;
  ASSERT_TRUE(shown);
  EXPECT_TRUE(sheet_->Surface(wizard_->check12Page).Control(IDC_RESTART_WINDOWS).shown);
}

TEST_F(CheckPagesTest, TheLoadCheckRunsOnceAndOnlyWhenLoadingIsAProblem) {
  Make(std::string("[Program Info]\nAPP.EXE, 1, 1, Y, N\n") + kDlls);
  answers_.isLoadProblem = answer::kYes;
  Open(wizard_->check3Page);
  EXPECT_TRUE(host_.progress.Opened().empty());
  EXPECT_TRUE(context_->loadCheckPending);

  answers_.isLoadProblem = answer::kNo;
  Open(wizard_->check3Page);
  Open(wizard_->check4Page);
  Open(wizard_->check3Page);
  EXPECT_FALSE(context_->loadCheckPending);
  // The checkers are missing here: the check stops at its first message.
  EXPECT_EQ(machine_->Messages().size(), 1u);
  EXPECT_TRUE(database_.loadCheckIncomplete);
}

TEST_F(CheckPagesTest, SettingsPagesShowTheFullNameAndNeedTheTextSections) {
  const std::string ini = "[INI Info]\napp\\Options\\Mode = fast,\nY, N, Act, Why\n";
  Make("[Action Text Info]\nAct=Run setup.\n[Explanation Text Info]\nWhy=Needed.\n" + ini);
  RecordingSurface& page = Open(wizard_->check7Page);
  EXPECT_EQ(page.GetText(IDC_FOUND_COUNT), "Problems found: 1");
  Select(page, 0);
  EXPECT_EQ(page.GetText(IDC_HINT), "app.ini [Options] Mode");
  EXPECT_TRUE(Enabled(page, IDC_FIX));
}

TEST_F(CheckPagesTest, WithoutActionTextsTheSettingsPageListsWhatTheReportLists) {
  Make("[Explanation Text Info]\nWhy=Needed.\n[INI Info]\napp\\Options\\Mode = fast,\nY, N, Act, Why\n");
  RecordingSurface& page = Open(wizard_->check7Page);
  EXPECT_EQ(Rows(page).ItemCount(), 1);
  EXPECT_EQ(page.GetText(IDC_FOUND_COUNT), "Problems found: 1");
}

TEST_F(CheckPagesTest, AListOutOfDateIsRebuiltWithItsFilterAndColumns) {
  Make(kDlls);
  RecordingSurface& page = Open(wizard_->check4Page);
  sheet_->Press(IDC_SHOW_PROBLEMS);
  wizard_->check4Page.MarkOutOfDate();
  EXPECT_FALSE(wizard_->check4Page.ListBuilt());
  Restore("GONE.DLL");
  Open(wizard_->check4Page);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"TWICE.DLL"}));
  EXPECT_EQ(page.Control(IDC_LIST).columns.size(), 4u);
}

}  // namespace
}  // namespace cvn
