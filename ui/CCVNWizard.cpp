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
  usesQuickTime_ = dlls != nullptr && dlls->FindItem(kQuickTimeComponent, CaseSensitivity::Insensitive);
  AddPages();
}

// One scan of the usage database, when there is one, stopping at the
// first difference: whether the recent-changes pages have anything to show.
void CCVNWizard::FindRecentChanges() {
  const std::optional<std::string> usagePath = UsageDatabasePath(database.path);
  if (!usagePath || context_.machine.Files().GetAttributes(*usagePath) == platform::attr::kInvalid) return;
  recentChangesFound_ = RecentChangesWorthShowing(context_, database);
}

FixResult CCVNWizard::FixItem(const ListedItem& item) {
  if (fixItemHandler) return fixItemHandler(item);
  return Repair(item, FixMode::Fix, {});
}

FixResult CCVNWizard::RevertItem(const ListedItem& item, const RowData& snapshot) {
  return Repair(item, FixMode::Revert, WantedFile{snapshot.text, snapshot.size, snapshot.time}, snapshot.text);
}

// One repair through the fix session, which counts it; the lists it made
// out of date are marked.
FixResult CCVNWizard::Repair(const ListedItem& item, FixMode mode, const WantedFile& wanted,
                             const std::optional<std::string>& earlierValue) {
  FixResult result;
  if (KindOf(item.category) == SectionKind::File) {
    result = FixFile(fixes_, {item.category, item.name, mode, wanted});
  } else if (KindOf(item.category) == SectionKind::Setting) {
    result = FixSetting(fixes_, {item.category, static_cast<size_t>(item.itemIndex), mode, earlierValue});
  }
  MarkOutOfDate(fixes_.TakeStale());
  return result;
}

void CCVNWizard::MarkOutOfDate(const StaleLists& stale) {
  if (stale.recentChanges) recent2Page.MarkOutOfDate();
  CCheckBase* const lists[] = {&check3Page, &check4Page, &check5Page, &check6Page, &check7Page,
                               &check8Page, &check9Page, &check10Page, &check11Page};
  for (CCheckBase* list : lists) {
    if (stale.IsStale(list->category)) list->MarkOutOfDate();
  }
}

platform::HResult CCVNWizard::BuildRecentChanges(ListSurface* list, bool showAll, int& badCount, int& rowCount,
                                                 std::vector<std::string>& dates, const std::string& chosenStamp) {
  return cvn::BuildRecentChanges(context_, database, list, showAll, badCount, rowCount, dates, chosenStamp);
}

void CCVNWizard::SetStatusList(ControlSurface& surface, int listId, SectionId category) {
  surface.SetSmallImages(listId, {kStatusImageIcons.begin(), kStatusImageIcons.end()});
  SetCheckListColumns(surface, listId, category, context_.machine.Texts(), avgCharWidth_,
                      context_.machine.System().GetSystemMetrics(platform::metric::kCxHScroll));
}

void CCVNWizard::ShowItemDetails(const ListedItem& item) {
  if (itemDetailsHandler) return itemDetailsHandler(item);
  if (KindOf(item.category) == SectionKind::Setting) {
    ShowItemDetails(ItemRef::Setting(item.category, static_cast<size_t>(item.itemIndex)));
  } else if (KindOf(item.category) == SectionKind::File) {
    ShowItemDetails(ItemRef::File(item.category, item.name));
  } else {
    ShowItemDetails(ItemRef::Registration(item.category, item.name));
  }
}

void CCVNWizard::ReadScreenFont() {
  if (const auto metrics = host_.ScreenFontMetrics()) {
    avgCharWidth_ = metrics->avgCharWidth;
  }
}

void CCVNWizard::ReadAppInfo() {
  const ConfigSection* app = database.GetSection(SectionId::AppInfo);
  if (app == nullptr) return;
  if (const std::string* file = FindValue(app, "ReadMeFile")) {
    readMe_.file = PathSpec(context_, *file).Text();
  }
  const std::string* viewer = FindValue(app, "ReadMeViewer");
  readMe_.viewer = PathSpec(context_, viewer ? *viewer : kDefaultReadMeViewer).Text();
}

void CCVNWizard::ReadOptions() {
  const ConfigSection* options = database.GetSection(SectionId::CvnInfo);
  if (options == nullptr) return;
  ReadFlag(options, "AskQuestions", options_.askQuestions);
  ReadFlag(options, "CheckConfigurationDatabase", options_.checkConfiguration);
  ReadFlag(options, "CheckUsageDatabase", options_.checkUsageDatabase);
  ReadFlag(options, "CheckMisc", options_.checkMisc);
  ReadFlag(options, "ShowTechSupportInfo", options_.showTechSupportInfo);
  ReadFlag(options, "GetUserInfo", options_.getUserInfo);
  ReadNumber(options, "AskQuestionsOptions", options_.askQuestionsOptions);
  ReadNumber(options, "CheckMiscOptions", options_.checkMiscOptions);
}

PlanFacts CCVNWizard::Facts() const {
  PlanFacts facts;
  facts.windowsNt = context_.isNt;
  facts.usesQuickTime = usesQuickTime_;
  facts.recentChanges = recentChangesFound_;
  facts.readMeNamed = !readMe_.file.empty();
  facts.installed = ApplicationInstalled(context_.locations);
  for (size_t section = 0; section < facts.sectionHasEntries.size(); ++section) {
    facts.sectionHasEntries[section] = HasEntries(database, static_cast<SectionId>(section));
  }
  return facts;
}

PageLogic& CCVNWizard::PageFor(WizardPageId id) {
  PageLogic* const pages[] = {
      &problem1Page,  &problem2Page,  &problem3Page,  &problem4Page,     &problem5Page,
      &problem6Page,  &problem7Page,  &problem8Page,  &check1Page,       &check2Page,
      &check3Page,    &check4Page,    &check5Page,    &check6Page,       &check7Page,
      &check8Page,    &check9Page,    &check10Page,   &check11Page,      &check12Page,
      &recent1Page,   &recent2Page,   &recent3Page,   &misc1Page,        &misc2Page,
      &misc3Page,     &misc3PageNT,   &misc4Page,     &misc4PageNT,      &misc5Page,
      &techSupportPage, &techSupport1Page, &techSupport2Page, &techSupport3Page, &techSupport4Page};
  static_assert(std::size(pages) == kWizardPageCount);
  return *pages[static_cast<size_t>(id)];
}

void CCVNWizard::AddPages() {
  plan_.emplace(Options(), Facts());
  for (const PagePlan::Page& page : plan_->Pages()) AddWizardPage(PageFor(page.id), page.sectionStart);
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
  const int index = IndexOf(page);
  if (sheet_ == nullptr || index < 0) return;
  sheet_->SetWizardButtons(plan_->ButtonsFor(static_cast<size_t>(index), [this](size_t later) {
    return pages_[later]->CanBecomeActive();
  }));
}

platform::HResult CCVNWizard::SkipSection(const PageLogic& page, SectionMove move) {
  const int index = IndexOf(page);
  const std::optional<size_t> next = index < 0 ? std::nullopt : plan_->NextSection(static_cast<size_t>(index));
  if (!next) return platform::kEFail;
  if (move == SectionMove::Go && sheet_ != nullptr) sheet_->SetActivePage(static_cast<int>(*next));
  return platform::kSOk;
}

platform::HResult CCVNWizard::LastSection(const PageLogic& page, SectionMove move) {
  const int index = IndexOf(page);
  const std::optional<size_t> previous =
      index < 0 ? std::nullopt : plan_->PreviousSection(static_cast<size_t>(index));
  if (!previous) return platform::kEFail;
  if (move == SectionMove::Go && sheet_ != nullptr) sheet_->SetActivePage(static_cast<int>(*previous));
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
