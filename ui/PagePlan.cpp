#include "ui/PagePlan.h"

#include "config/Locations.h"

namespace cvn {
namespace {

// Bits of "AskQuestionsOptions": one question page each, in page order
// (bit 0x20, the QuickTime question, only when the application uses it).
constexpr int kQuestionBits = 7;
constexpr int kQuickTimeBit = 0x20;

// Bits of "CheckMiscOptions".
constexpr int kReadMeBit = 0x01;
constexpr int kSoftwareBit = 0x02;
constexpr int kHardwareBit = 0x04;
constexpr int kSafeModeBit = 0x08;

// The file pages (sections 0-3) and the pages of the application's own
// settings and registrations (sections 4-8), by section.
constexpr WizardPageId kFilePages[] = {WizardPageId::Check3, WizardPageId::Check4,
                                       WizardPageId::Check5, WizardPageId::Check6};
constexpr WizardPageId kInstalledPages[] = {WizardPageId::Check7, WizardPageId::Check8,
                                            WizardPageId::Check9, WizardPageId::Check10,
                                            WizardPageId::Check11};

WizardPageId Offset(WizardPageId first, int by) {
  return static_cast<WizardPageId>(static_cast<int>(first) + by);
}

}  // namespace

bool ApplicationInstalled(const Locations& locations) { return !locations.AppOnRemovableMedia(); }

PagePlan::PagePlan(const WizardOptions& options, const PlanFacts& facts) {
  AddQuestions(options, facts);
  if (options.checkConfiguration != 0) AddChecks(facts);
  if (options.checkUsageDatabase != 0 && facts.recentChanges) {
    Add(WizardPageId::Recent1, true);
    Add(WizardPageId::Recent2);
    Add(WizardPageId::Recent3);
  }
  AddAdvice(options, facts);
  AddContacts(options);
  // Options that switch every section off still leave the user a page to
  // finish on, and so the report: the vendor's contacts.
  if (pages_.empty()) Add(WizardPageId::TechSupport, true);
}

void PagePlan::Add(WizardPageId id, bool sectionStart) {
  if (sectionStart && sectionStarts_.size() < kSectionSlots) sectionStarts_.push_back(pages_.size());
  pages_.push_back({id, sectionStart});
}

void PagePlan::AddQuestions(const WizardOptions& options, const PlanFacts& facts) {
  if (options.askQuestions == 0 || options.askQuestionsOptions == 0) return;
  Add(WizardPageId::Problem1, true);
  for (int bit = 0; bit < kQuestionBits; ++bit) {
    const int mask = 1 << bit;
    if ((options.askQuestionsOptions & mask) == 0) continue;
    if (mask == kQuickTimeBit && !facts.usesQuickTime) continue;
    Add(Offset(WizardPageId::Problem2, bit));
  }
}

void PagePlan::AddChecks(const PlanFacts& facts) {
  Add(WizardPageId::Check1, true);
  Add(WizardPageId::Check2);
  for (size_t section = 0; section < 4; ++section) {
    if (facts.sectionHasEntries[section]) Add(kFilePages[section]);
  }
  for (size_t section = 4; section < 9; ++section) {
    if (facts.installed && facts.sectionHasEntries[section]) Add(kInstalledPages[section - 4]);
  }
  Add(WizardPageId::Check12);
}

void PagePlan::AddAdvice(const WizardOptions& options, const PlanFacts& facts) {
  const int bits = options.checkMiscOptions;
  if (options.checkMisc == 0 || bits == 0) return;
  Add(WizardPageId::Misc1, true);
  if ((bits & kReadMeBit) != 0 && facts.readMeNamed) Add(WizardPageId::Misc2);
  const bool nt = facts.windowsNt;
  if ((bits & kSoftwareBit) != 0) Add(nt ? WizardPageId::Misc3Nt : WizardPageId::Misc3);
  if ((bits & kHardwareBit) != 0) Add(nt ? WizardPageId::Misc4Nt : WizardPageId::Misc4);
  if ((bits & kSafeModeBit) != 0 && !nt) Add(WizardPageId::Misc5);
}

void PagePlan::AddContacts(const WizardOptions& options) {
  if (options.showTechSupportInfo == 0) return;
  if (options.getUserInfo == 0) {
    Add(WizardPageId::TechSupport, true);
    return;
  }
  Add(WizardPageId::TechSupport1, true);
  Add(WizardPageId::TechSupport2);
  Add(WizardPageId::TechSupport3);
  Add(WizardPageId::TechSupport4);
}

bool PagePlan::IsRetryPage(WizardPageId id) { return id == WizardPageId::Check12 || id == WizardPageId::Recent3; }

unsigned PagePlan::ButtonsFor(size_t index, const CanBecomeActive& canBecomeActive) const {
  bool later = false;
  for (size_t next = index + 1; next < pages_.size() && !later; ++next) later = canBecomeActive(next);
  unsigned buttons = later ? wizbutton::kNext : wizbutton::kFinish;
  if (index > 0) buttons |= wizbutton::kBack;
  return buttons;
}

std::optional<size_t> PagePlan::SlotOf(size_t index) const {
  for (size_t slot = 0; slot < sectionStarts_.size(); ++slot) {
    if (sectionStarts_[slot] == index) return slot;
  }
  return std::nullopt;
}

std::optional<size_t> PagePlan::NextSection(size_t index) const {
  const std::optional<size_t> slot = SlotOf(index);
  if (!slot || *slot + 1 >= sectionStarts_.size()) return std::nullopt;
  return sectionStarts_[*slot + 1];
}

std::optional<size_t> PagePlan::PreviousSection(size_t index) const {
  const std::optional<size_t> slot = SlotOf(index);
  if (!slot || *slot == 0) return std::nullopt;
  return sectionStarts_[*slot - 1];
}

}  // namespace cvn
