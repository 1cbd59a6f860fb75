// The wizard's pages for one run, decided once from the wizard options of
// the database and the facts of the machine: which pages are added, in
// which order, which start a section, and the navigation over them (the
// wizard buttons of a page, the section a Skip Section or Last Section
// leads to). Plain values, so that every combination can be walked in a
// host test without a window.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "ui/UiHost.h"

namespace cvn {

class Locations;

// Every page the wizard has, in the order pages are added.
enum class WizardPageId {
  Problem1, Problem2, Problem3, Problem4, Problem5, Problem6, Problem7, Problem8,
  Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9, Check10, Check11, Check12,
  Recent1, Recent2, Recent3,
  Misc1, Misc2, Misc3, Misc3Nt, Misc4, Misc4Nt, Misc5,
  TechSupport, TechSupport1, TechSupport2, TechSupport3, TechSupport4,
};
inline constexpr size_t kWizardPageCount = static_cast<size_t>(WizardPageId::TechSupport4) + 1;

// The option keys of "Corvane Info" that choose pages.
struct WizardOptions {
  int askQuestions = 1;
  int askQuestionsOptions = -1;  // every bit
  int checkConfiguration = 1;
  int checkUsageDatabase = 1;
  int checkMisc = 1;
  int checkMiscOptions = -1;  // every bit
  int showTechSupportInfo = 1;
  int getUserInfo = 1;
};

// What the database and the machine decide beside the options.
struct PlanFacts {
  bool windowsNt = false;
  bool usesQuickTime = false;
  bool recentChanges = false;  // the usage database has changes to show
  bool readMeNamed = false;
  // Installed: not run from the CD-ROM or a floppy (Locations'
  // AppOnRemovableMedia), so the settings and registrations are its own.
  bool installed = true;
  // Sections 0 (Program Info) to 8 (Type Library Info) have entries.
  std::array<bool, 9> sectionHasEntries{};
};

class PagePlan {
 public:
  static constexpr size_t kSectionSlots = 10;

  PagePlan(const WizardOptions& options, const PlanFacts& facts);

  struct Page {
    WizardPageId id;
    bool sectionStart;
  };
  const std::vector<Page>& Pages() const { return pages_; }
  // The first page of each section, by its index in Pages(), in order.
  const std::vector<size_t>& SectionStarts() const { return sectionStarts_; }

  // Whether page `index` can become active now; the retry pages refuse
  // until a change took effect.
  using CanBecomeActive = std::function<bool(size_t index)>;
  // Next on every page the user can go on from; Back on every page but the
  // first; Finish on the last page that can become active, so that a
  // retry page that refuses never takes the Finish away.
  unsigned ButtonsFor(size_t index, const CanBecomeActive& canBecomeActive) const;
  // The first page of the next (previous) section, when `index` starts a
  // section and there is one: the targets of Skip Section and Last Section.
  std::optional<size_t> NextSection(size_t index) const;
  std::optional<size_t> PreviousSection(size_t index) const;

  // The retry pages, which become active only after a change took effect.
  static bool IsRetryPage(WizardPageId id);

 private:
  void Add(WizardPageId id, bool sectionStart = false);
  void AddQuestions(const WizardOptions& options, const PlanFacts& facts);
  void AddChecks(const PlanFacts& facts);
  void AddAdvice(const WizardOptions& options, const PlanFacts& facts);
  void AddContacts(const WizardOptions& options);
  std::optional<size_t> SlotOf(size_t index) const;

  std::vector<Page> pages_;
  std::vector<size_t> sectionStarts_;
};

// The facts a plan takes from the location table: whether the application
// counts as installed.
bool ApplicationInstalled(const Locations& locations);

}  // namespace cvn
