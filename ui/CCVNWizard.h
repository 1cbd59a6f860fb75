// The wizard sheet: every page of the five sections, the options that
// choose which of them this run shows, the section navigation and the
// change counters. Plain logic; the Win32 view runs it in a property sheet
// and host tests drive it over recording fakes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "config/Answers.h"
#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "ui/ControlSurface.h"
#include "ui/PagePlan.h"
#include "ui/UiHost.h"
#include "fixes/FileCandidates.h"
#include "fixes/FixSession.h"
#include "ui/dialogs/DialogFixConfirmations.h"
#include "ui/dialogs/ItemDetails.h"
#include "ui/pages/CheckPages.h"
#include "ui/pages/MiscPages.h"
#include "ui/pages/ProblemPages.h"
#include "ui/pages/RecentPages.h"
#include "ui/pages/TechSupportPages.h"
#include "usage/RecentChanges.h"

namespace cvn {

// The icons of the status image list, by ProblemLevel.
inline constexpr std::array<int, 12> kStatusImageIcons = {642, 642, 635, 634, 637, 636,
                                                          639, 638, 641, 640, 632, 652};

class CCVNWizard {
 public:
  static constexpr int kSectionSlots = static_cast<int>(PagePlan::kSectionSlots);

  // Chooses the pages of this run from the database and its options.
  CCVNWizard(RunContext& context, ConfigDatabase& database, SavedAnswers& answers,
             UserInfo& userInfo, UiHost& host);
  CCVNWizard(const CCVNWizard&) = delete;
  CCVNWizard& operator=(const CCVNWizard&) = delete;

  // The pages, in the order of the sections.
  CProblem1Page problem1Page{*this};
  CProblem2Page problem2Page{*this};
  CProblem3Page problem3Page{*this};
  CProblem4Page problem4Page{*this};
  CProblem5Page problem5Page{*this};
  CProblem6Page problem6Page{*this};
  CProblem7Page problem7Page{*this};
  CProblem8Page problem8Page{*this};
  CCheck1Page check1Page{*this};
  CCheck2Page check2Page{*this};
  CCheck3Page check3Page{*this};
  CCheck4Page check4Page{*this};
  CCheck5Page check5Page{*this};
  CCheck6Page check6Page{*this};
  CCheck7Page check7Page{*this};
  CCheck8Page check8Page{*this};
  CCheck9Page check9Page{*this};
  CCheck10Page check10Page{*this};
  CCheck11Page check11Page{*this};
  CCheck12Page check12Page{*this};
  CRecent1Page recent1Page{*this};
  CRecent2Page recent2Page{*this};
  CRecent3Page recent3Page{*this};
  CMisc1Page misc1Page{*this};
  CMisc2Page misc2Page{*this};
  CMisc3Page misc3Page{*this};
  CMisc3PageNT misc3PageNT{*this};
  CMisc4Page misc4Page{*this};
  CMisc4PageNT misc4PageNT{*this};
  CMisc5Page misc5Page{*this};
  CTechSupportPage techSupportPage{*this};
  CTechSupport1Page techSupport1Page{*this};
  CTechSupport2Page techSupport2Page{*this};
  CTechSupport3Page techSupport3Page{*this};
  CTechSupport4Page techSupport4Page{*this};

  ConfigDatabase& database;
  std::string readMeFile;    // expanded from its location notation
  std::string readMeViewer;  // expanded from its location notation
  int askQuestions = 1;
  int askQuestionsOptions = -1;  // every bit
  // Chosen defaults: the recent-changes section shows whenever there is
  // recent-change data, and the advice section with every page, as for
  // the other sections.
  int checkConfiguration = 1;
  int checkUsageDatabase = 1;
  int checkMisc = 1;
  int checkMiscOptions = -1;  // every bit
  int showTechSupportInfo = 1;
  int questionsWalked = 0;
  int usesQuickTime = 0;
  int getUserInfo = 1;
  int avgCharWidth = 7;
  int lineHeight = 16;
  int fixesMade = 0;
  int revertsMade = 0;
  int fixesPendingRestart = 0;
  int revertsPendingRestart = 0;
  const FontSpec smallBoldFont{"MS Sans Serif", 9};
  const FontSpec pageTitleFont{"MS Sans Serif", 10};
  const FontSpec sectionTitleFont{"MS Sans Serif", 12};
  const int appIcon = 128;
  PageLogic* firstPage = nullptr;
  PageLogic* lastPage = nullptr;
  std::array<PageLogic*, kSectionSlots> sectionStarts{};

  // The item a check page's Details or Fix acts on: its list category, the
  // name in the row's first column and the row's entry index.
  struct ListedItem {
    int category = 0;
    std::string name;
    int itemIndex = 0;
  };
  // A check page's Fix and Details go to the wizard's fix session and the
  // item details dialogs. A test may set these handlers instead, to count
  // the calls; a handler that fixes counts in fixesMade or
  // fixesPendingRestart itself.
  std::function<int32_t(const ListedItem&)> fixItemHandler;
  std::function<void(const ListedItem&)> itemDetailsHandler;
  // Repairs the item: a file of sections 0..3 or a setting of 4 and 5
  // (the registration pages have no Fix). 0 on success, counted in
  // fixesMade or fixesPendingRestart; E_FAIL when declined or failed.
  int32_t FixItem(const ListedItem& item);
  void ShowItemDetails(const ListedItem& item);

  // Reverts the item of a recent-changes row to its earlier state: a file
  // to the snapshot's version, size and time, a setting by its entry index
  // to the snapshot's value (proposed for the user to confirm). 0 on success, counted in revertsMade or revertsPendingRestart.
  int32_t RevertItem(const ListedItem& item, const RowData& snapshot);

  // The recent-changes list of the usage database (see usage/RecentChanges.h).
  int32_t BuildRecentChanges(ListSurface* list, bool showAll, int& badCount, int& rowCount,
                             std::vector<std::string>& dates, const std::string& chosenStamp);
  // A snapshot's time stamp as the date box shows it.
  std::string StampText(const std::string& stamp) { return StampDateText(context_, stamp); }
  // Gives a result list the status images and the columns of `category`.
  void SetStatusList(ControlSurface& surface, int listId, int category);

  // A revert made the check list of `category` out of date: a file revert
  // marks the four file lists, a setting revert the INI and Registry lists.
  void MarkChecksOutOfDate(int category);

  // The pages added to the sheet, in order.
  const std::vector<PageLogic*>& Pages() const { return pages_; }
  int IndexOf(const PageLogic& page) const;

  void AddWizardPage(PageLogic& page, bool isSectionStart);
  // Back on every page but the first; Finish on the last page that can
  // become active (a retry page with nothing to retry cannot), Next on the
  // others.
  void UpdateWizardButtons(const PageLogic& page);
  // The options that chose the pages, as read from the database.
  WizardOptions Options() const;
  // 0, or platform::kEFail when there is no later (earlier) section; with
  // `activate` the sheet then moves to that section's first page.
  int32_t SkipSection(const PageLogic& page, bool activate);
  int32_t LastSection(const PageLogic& page, bool activate);

  // The sheet window, while the wizard runs.
  void AttachSheet(SheetControl* sheet) { sheet_ = sheet; }

  // The start of the modal run: the introduction when it is switched on or
  // Shift is held; its box becomes the new setting, saved at once when
  // cleared.
  void ShowIntroductionIfWanted();
  // The system menu's "&About Corvane".
  void ShowAbout();
  // Details, or a double click, on a row of a check or recent-changes
  // list; false when the row's item is not in its section.
  bool ShowItemDetails(const ItemRef& item);
  // F1 and Help on the active page or dialog.
  void ShowHelp(int helpContext);

  RunContext& Context() { return context_; }
  SavedAnswers& Answers() { return answers_; }
  UserInfo& User() { return userInfo_; }
  UiHost& Host() { return host_; }
  // The confirmation dialogs a repair started from a page shows.
  FixConfirmations& Confirmations() { return confirmations_; }
  bool RecentChangesFound() const { return recentChangesFound_; }

 private:
  void FindRecentChanges();
  int32_t Repair(const ListedItem& item, FixMode mode, const WantedFile& wanted,
                 const std::optional<std::string>& earlierValue = std::nullopt);
  void ReadScreenFont();
  void ReadAppInfo();
  void ReadOptions();
  void AddPages();
  PlanFacts Facts() const;
  PageLogic& PageFor(WizardPageId id);

  RunContext& context_;
  SavedAnswers& answers_;
  UserInfo& userInfo_;
  UiHost& host_;
  DialogFixConfirmations confirmations_{host_, context_.machine.Ask()};
  FixSession fixes_{context_, database, confirmations_};
  SheetControl* sheet_ = nullptr;
  std::vector<PageLogic*> pages_;
  std::optional<PagePlan> plan_;
  bool recentChangesFound_ = false;
};

}  // namespace cvn
