#include "ui/CCVNWizard.h"

#include "config/PathSpec.h"
#include "fixes/FileFix.h"
#include "fixes/SettingFix.h"
#include "config/ValueFormats.h"
#include "ui/CheckColumns.h"
#include "usage/RecentChanges.h"
#include "usage/UsageFiles.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/IntroductionDialog.h"

namespace cvn {
namespace {

constexpr const char* kQuickTimeComponent = "QTRAW.QTC";
constexpr const char* kDefaultReadMeViewer = "0:\\Program Files\\Accessories\\WordPad.exe";

void ReadFlag(const ConfigSection* section, const char* key, int& flag) {
  if (const std::string* value = FindValue(section, key)) flag = ReadYesNo(*value) ? 1 : 0;
}

void ReadNumber(const ConfigSection* section, const char* key, int& number) {
  if (const std::string* value = FindValue(section, key)) number = static_cast<int>(ReadSize(*value));
}

bool HasEntries(const ConfigDatabase& database, SectionId id) {
  const ConfigSection* section = database.GetSection(id);
  return section != nullptr && section->Count() > 0;
}

}  // namespace

CCVNWizard::CCVNWizard(RunContext& context, ConfigDatabase& db, SavedAnswers& answers,
                       UserInfo& userInfo, UiHost& host)
    : database(db), context_(context), answers_(answers), userInfo_(userInfo), host_(host) {
  FindRecentChanges();
  ReadScreenFont();
  ReadAppInfo();
  ReadOptions();
  const ConfigSection* dlls = database.GetSection(SectionId::DllInfo);
  if (dlls != nullptr && dlls->FindItem(kQuickTimeComponent, CaseSensitivity::Insensitive)) {
    usesQuickTime = 1;
  }
  AddPages();
}

// One scan of the usage database, when there is one, stopping at the
// first difference: whether the recent-changes pages have anything to show.
void CCVNWizard::FindRecentChanges() {
  const std::optional<std::string> usagePath = UsageDatabasePath(database.path);
  if (!usagePath || context_.machine.Files().GetAttributes(*usagePath) == platform::attr::kInvalid) return;
  recentChangesFound_ = RecentChangesWorthShowing(context_, database);
}

int32_t CCVNWizard::FixItem(const ListedItem& item) {
  if (fixItemHandler) return fixItemHandler(item);
  return Repair(item, FixMode::Fix, {});
}

int32_t CCVNWizard::RevertItem(const ListedItem& item, const RowData& snapshot) {
  return Repair(item, FixMode::Revert, WantedFile{snapshot.text, snapshot.size, snapshot.time}, snapshot.text);
}

// One repair through the fix session: its counters are added to the
// wizard's, and the lists it made out of date are marked.
int32_t CCVNWizard::Repair(const ListedItem& item, FixMode mode, const WantedFile& wanted,
                           const std::optional<std::string>& earlierValue) {
  const FixCounters before = fixes_.counters;
  bool cancelled = false;
  int32_t result = platform::kEFail;
  if (item.category >= 0 && item.category <= 3) {
    result = FixFile(fixes_, {item.category, item.name, mode, wanted}, cancelled);
  } else if (item.category == 4 || item.category == 5) {
    result = FixSetting(fixes_, {item.category, static_cast<size_t>(item.itemIndex), mode, earlierValue}, cancelled);
  }
  fixesMade += fixes_.counters.fixesMade - before.fixesMade;
  fixesPendingRestart += fixes_.counters.fixesPendingRestart - before.fixesPendingRestart;
  revertsMade += fixes_.counters.revertsMade - before.revertsMade;
  revertsPendingRestart += fixes_.counters.revertsPendingRestart - before.revertsPendingRestart;
  if (fixes_.recentChangesStale) recent2Page.MarkOutOfDate();
  for (size_t section = 0; section < fixes_.checkPageStale.size(); ++section) {
    if (fixes_.checkPageStale[section]) MarkChecksOutOfDate(static_cast<int>(section));
  }
  fixes_.recentChangesStale = false;
  fixes_.checkPageStale = {};
  return result;
}

int32_t CCVNWizard::BuildRecentChanges(ListSurface* list, bool showAll, int& badCount, int& rowCount,
                                       std::vector<std::string>& dates, const std::string& chosenStamp) {
  return cvn::BuildRecentChanges(context_, database, list, showAll, badCount, rowCount, dates, chosenStamp);
}

void CCVNWizard::SetStatusList(ControlSurface& surface, int listId, int category) {
  surface.SetSmallImages(listId, {kStatusImageIcons.begin(), kStatusImageIcons.end()});
  SetCheckListColumns(surface, listId, category, context_.machine.Texts(), avgCharWidth,
                      context_.machine.System().GetSystemMetrics(platform::metric::kCxHScroll));
}

void CCVNWizard::ShowItemDetails(const ListedItem& item) {
  if (itemDetailsHandler) return itemDetailsHandler(item);
  if (item.category == 4 || item.category == 5) {
    ShowItemDetails(ItemRef::Setting(item.category, static_cast<size_t>(item.itemIndex)));
  } else if (item.category >= 0 && item.category <= 3) {
    ShowItemDetails(ItemRef::File(item.category, item.name));
  } else {
    ShowItemDetails(ItemRef::Registration(item.category, item.name));
  }
}

void CCVNWizard::MarkChecksOutOfDate(int category) {
  CCheckBase* const files[] = {&check3Page, &check4Page, &check5Page, &check6Page};
  CCheckBase* const settings[] = {&check7Page, &check8Page};
  const bool file = category >= 0 && category <= 3;
  const bool setting = category == 4 || category == 5;
  if (file) {
    for (CCheckBase* page : files) page->MarkOutOfDate();
  }
  if (setting) {
    for (CCheckBase* page : settings) page->MarkOutOfDate();
  }
}

void CCVNWizard::ReadScreenFont() {
  if (const auto metrics = host_.ScreenFontMetrics()) {
    avgCharWidth = metrics->avgCharWidth;
    lineHeight = metrics->lineHeight;
  }
}

void CCVNWizard::ReadAppInfo() {
  const ConfigSection* app = database.GetSection(SectionId::AppInfo);
  if (app == nullptr) return;
  if (const std::string* file = FindValue(app, "ReadMeFile")) {
    readMeFile = PathSpec(context_, *file).Text();
  }
  const std::string* viewer = FindValue(app, "ReadMeViewer");
  readMeViewer = PathSpec(context_, viewer ? *viewer : kDefaultReadMeViewer).Text();
}

void CCVNWizard::ReadOptions() {
  const ConfigSection* options = database.GetSection(SectionId::CvnInfo);
  if (options == nullptr) return;
  ReadFlag(options, "AskQuestions", askQuestions);
  ReadFlag(options, "CheckConfigurationDatabase", checkConfiguration);
  ReadFlag(options, "CheckUsageDatabase", checkUsageDatabase);
  ReadFlag(options, "CheckMisc", checkMisc);
  ReadFlag(options, "ShowTechSupportInfo", showTechSupportInfo);
  ReadFlag(options, "GetUserInfo", getUserInfo);
  ReadNumber(options, "AskQuestionsOptions", askQuestionsOptions);
  ReadNumber(options, "CheckMiscOptions", checkMiscOptions);
}

bool CCVNWizard::ApplicationInstalled() const {
  const char drive = context_.locations.applicationDrive;
  return drive != context_.locations.cdromDrive && drive != 'A' && drive != 'B';
}

void CCVNWizard::AddPages() {
  const bool ask = askQuestions != 0;
  if (ask && askQuestionsOptions != 0) AddWizardPage(problem1Page, true);
  CQuestionPage* const questions[] = {&problem2Page, &problem3Page, &problem4Page,
                                      &problem5Page, &problem6Page, &problem7Page};
  for (int bit = 0; bit < 6; ++bit) {
    if (!ask || (askQuestionsOptions & (1 << bit)) == 0) continue;
    if (questions[bit] == &problem7Page && usesQuickTime == 0) continue;
    AddWizardPage(*questions[bit], false);
  }
  if (ask && (askQuestionsOptions & 0x40) != 0) AddWizardPage(problem8Page, false);

  if (checkConfiguration != 0) {
    AddWizardPage(check1Page, true);
    AddWizardPage(check2Page, false);
    CCheckBase* const files[] = {&check3Page, &check4Page, &check5Page, &check6Page};
    for (CCheckBase* page : files) {
      if (HasEntries(database, static_cast<SectionId>(page->category))) AddWizardPage(*page, false);
    }
    CCheckBase* const settings[] = {&check7Page, &check8Page, &check9Page, &check10Page,
                                    &check11Page};
    for (CCheckBase* page : settings) {
      if (ApplicationInstalled() && HasEntries(database, static_cast<SectionId>(page->category))) {
        AddWizardPage(*page, false);
      }
    }
    AddWizardPage(check12Page, false);
  }

  if (checkUsageDatabase != 0 && recentChangesFound_) {
    AddWizardPage(recent1Page, true);
    AddWizardPage(recent2Page, false);
    AddWizardPage(recent3Page, false);
  }

  if (checkMisc != 0 && checkMiscOptions != 0) {
    AddWizardPage(misc1Page, true);
    if ((checkMiscOptions & miscoption::kReadMe) != 0 && !readMeFile.empty()) {
      AddWizardPage(misc2Page, false);
    }
    const bool nt = context_.isNt;
    if ((checkMiscOptions & miscoption::kSoftware) != 0) {
      AddWizardPage(nt ? static_cast<PageLogic&>(misc3PageNT) : misc3Page, false);
    }
    if ((checkMiscOptions & miscoption::kHardware) != 0) {
      AddWizardPage(nt ? static_cast<PageLogic&>(misc4PageNT) : misc4Page, false);
    }
    if ((checkMiscOptions & miscoption::kSafeMode) != 0 && !nt) AddWizardPage(misc5Page, false);
  }

  if (showTechSupportInfo != 0 && getUserInfo == 0) AddWizardPage(techSupportPage, true);
  if (showTechSupportInfo != 0 && getUserInfo != 0) {
    AddWizardPage(techSupport1Page, true);
    AddWizardPage(techSupport2Page, false);
    AddWizardPage(techSupport3Page, false);
    AddWizardPage(techSupport4Page, false);
  }
}

void CCVNWizard::AddWizardPage(PageLogic& page, bool isSectionStart) {
  if (firstPage == nullptr) firstPage = &page;
  lastPage = &page;
  if (isSectionStart) {
    for (PageLogic*& slot : sectionStarts) {
      if (slot == nullptr) {
        slot = &page;
        break;
      }
    }
  }
  pages_.push_back(&page);
}

int CCVNWizard::IndexOf(const PageLogic& page) const {
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i] == &page) return static_cast<int>(i);
  }
  return -1;
}

void CCVNWizard::UpdateWizardButtons(const PageLogic& page) {
  if (sheet_ == nullptr) return;
  const bool first = &page == firstPage;
  const bool last = &page == lastPage;
  unsigned buttons = 0;
  if (first && !last) buttons = wizbutton::kNext;
  if (last && !first) buttons = wizbutton::kBack | wizbutton::kFinish;
  if (!first && !last) buttons = wizbutton::kBack | wizbutton::kNext;
  sheet_->SetWizardButtons(buttons);
}

int CCVNWizard::SectionSlot(const PageLogic& page, int first, int last) const {
  for (int slot = first; slot <= last; ++slot) {
    if (sectionStarts[static_cast<size_t>(slot)] == &page) return slot;
  }
  return -1;
}

int32_t CCVNWizard::SkipSection(const PageLogic& page, bool activate) {
  const int slot = SectionSlot(page, 0, kSectionSlots - 2);
  if (slot < 0) return platform::kEFail;
  PageLogic* next = sectionStarts[static_cast<size_t>(slot + 1)];
  if (next == nullptr) return platform::kEFail;
  if (activate && sheet_ != nullptr) sheet_->SetActivePage(IndexOf(*next));
  return platform::kSOk;
}

int32_t CCVNWizard::LastSection(const PageLogic& page, bool activate) {
  const int slot = SectionSlot(page, 1, kSectionSlots - 1);
  if (slot < 0) return platform::kEFail;
  PageLogic* previous = sectionStarts[static_cast<size_t>(slot - 1)];
  if (previous == nullptr) return platform::kEFail;
  if (activate && sheet_ != nullptr) sheet_->SetActivePage(IndexOf(*previous));
  return platform::kSOk;
}

void CCVNWizard::ShowIntroductionIfWanted() {
  if (answers_.showIntro == 0 && !context_.machine.Ask().ShiftKeyDown()) return;
  CIntroDialog intro(context_.appName, 1);
  host_.RunModal(intro);
  answers_.showIntro = intro.ShowNextTime();
  if (answers_.showIntro == 0) SaveAnswers(context_, answers_);
}

bool CCVNWizard::ShowItemDetails(const ItemRef& item) {
  return cvn::ShowItemDetails(context_, database, host_, item);
}

void CCVNWizard::ShowAbout() {
  CAboutDialog about;
  host_.RunModal(about);
}

void CCVNWizard::ShowHelp(int helpContext) { OpenHelp(context_, helpContext); }

}  // namespace cvn
