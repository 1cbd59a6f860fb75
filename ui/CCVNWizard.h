// The wizard sheet: every page of the five sections, the options that
// choose which of them this run shows, the section navigation, and the
// services its pages use (WizardServices). Plain logic; the Win32 view runs it in a property sheet
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
#include "fixes/FileCandidates.h"
#include "fixes/FixSession.h"
#include "platform/Types.h"
#include "resources/resource.h"
#include "ui/ControlSurface.h"
#include "ui/PagePlan.h"
#include "ui/UiHost.h"
#include "ui/WizardServices.h"
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
inline constexpr std::array<int, 12> kStatusImageIcons = {IDI_STATUS_OK,
                                                          IDI_STATUS_OK,
                                                          IDI_STATUS_WARNING,
                                                          IDI_STATUS_SERIOUS_WARNING,
                                                          IDI_STATUS_PROBLEM,
                                                          IDI_STATUS_SERIOUS_PROBLEM,
                                                          IDI_STATUS_WARNING_RESTART,
                                                          IDI_STATUS_SERIOUS_WARNING_RESTART,
                                                          IDI_STATUS_PROBLEM_RESTART,
                                                          IDI_STATUS_SERIOUS_PROBLEM_RESTART,
                                                          IDI_STATUS_REVERTED,
                                                          IDI_STATUS_REVERTED_RESTART};

class CCVNWizard final : public WizardServices {
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
  const int appIcon = IDI_APP;
  PageLogic* firstPage = nullptr;
  PageLogic* lastPage = nullptr;
  std::array<PageLogic*, kSectionSlots> sectionStarts{};

  // A list page's Fix and Details go to the wizard's fix session and the
  // item details dialogs. A test may set these handlers instead, to count
  // the calls.
  std::function<FixResult(const ListedItem&)> fixItemHandler;
  std::function<void(const ListedItem&)> itemDetailsHandler;

  RunContext& Context() override { return context_; }
  ConfigDatabase& Database() override { return database; }
  SavedAnswers& Answers() override { return answers_; }
  UserInfo& User() override { return userInfo_; }
  UiHost& Host() override { return host_; }
  const WizardFonts& Fonts() const override { return fonts_; }
  int AvgCharWidth() const override { return avgCharWidth_; }
  ReadMeFiles& ReadMe() override { return readMe_; }
  bool QuestionsWalked() const override { return questionsWalked_; }
  void SetQuestionsWalked(bool walked) override { questionsWalked_ = walked; }

  void UpdateWizardButtons(const PageLogic& page) override;
  platform::HResult SkipSection(const PageLogic& page, SectionMove move) override;
  platform::HResult LastSection(const PageLogic& page, SectionMove move) override;

  FixResult FixItem(const ListedItem& item) override;
  FixResult RevertItem(const ListedItem& item, const RowData& snapshot) override;
  void CountFreedSpace() override { fixes_.Count(FixMode::Fix, FixOutcome::Done); }
  const FixCounters& Counters() const override { return fixes_.Counters(); }
  void ShowItemDetails(const ListedItem& item) override;
  bool ShowItemDetails(const ItemRef& item) override;

  void SetStatusList(ControlSurface& surface, int listId, SectionId category) override;
  platform::HResult BuildRecentChanges(ListSurface* list, bool showAll, int& badCount, int& rowCount,
                                       std::vector<std::string>& dates, const std::string& chosenStamp) override;
  std::string StampText(const std::string& stamp) override { return StampDateText(context_, stamp); }

  // The session every repair of this run goes through.
  FixSession& Fixes() { return fixes_; }
  // The options that chose the pages, as read from the database.
  const WizardOptions& Options() const { return options_; }

  // The pages added to the sheet, in order.
  const std::vector<PageLogic*>& Pages() const { return pages_; }
  int IndexOf(const PageLogic& page) const;

  // The sheet window, while the wizard runs.
  void AttachSheet(SheetControl* sheet) { sheet_ = sheet; }

  // The start of the modal run: the introduction when it is switched on or
  // Shift is held; its box becomes the new setting, saved at once when
  // cleared.
  void ShowIntroductionIfWanted();
  // The system menu's "&About Corvane".
  void ShowAbout();
  // F1 and Help on the active page or dialog.
  void ShowHelp(int helpContext);

  // The confirmation dialogs a repair started from a page shows.
  FixConfirmations& Confirmations() { return confirmations_; }
  bool RecentChangesFound() const { return recentChangesFound_; }

 private:
  void FindRecentChanges();
  FixResult Repair(const ListedItem& item, FixMode mode, const WantedFile& wanted,
                   const std::optional<std::string>& earlierValue = std::nullopt);
  void MarkOutOfDate(const StaleLists& stale);
  void AddWizardPage(PageLogic& page, bool isSectionStart);
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
  bool usesQuickTime_ = false;
  bool questionsWalked_ = false;
  WizardOptions options_;
  ReadMeFiles readMe_;
  const WizardFonts fonts_;
  int avgCharWidth_ = 7;
};

}  // namespace cvn
