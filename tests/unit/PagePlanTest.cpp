// The wizard's page plan over every combination of the options that choose
// pages and the places the application can run from: each plan can be
// walked to a page with Finish, with Next and with Skip Section, whether or
// not the retry pages have a change to show.
#include "ui/PagePlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "config/Locations.h"

namespace cvn {
namespace {

struct Place {
  const char* name;
  char applicationDrive;
  char cdromDrive;
  bool cdromFound;
  bool installed;
};

// Installed on C:; on a fixed D: of a machine without a CD-ROM drive (whose
// CD-ROM letter stays D); on the CD; on a floppy.
constexpr Place kPlaces[] = {
    {"C:", 'C', 'D', true, true},
    {"fixed D:", 'D', 'D', false, true},
    {"CD-ROM E:", 'E', 'E', true, false},
    {"floppy A:", 'A', 'D', true, false},
};

bool InstalledAt(const Place& place) {
  Locations locations;
  locations.applicationDrive = place.applicationDrive;
  locations.cdromDrive = place.cdromDrive;
  locations.cdromFound = place.cdromFound;
  return ApplicationInstalled(locations);
}

// Where a walk ended: the page that offered Finish, or none.
struct WalkEnd {
  bool finished = false;
  std::string why;
};

// Walks from the first page, passing over pages that refuse as the sheet
// does, with Skip Section on every section start that has a next section
// when `skip` is set, else with Next.
WalkEnd Walk(const PagePlan& plan, const PagePlan::CanBecomeActive& can, bool skip) {
  const size_t count = plan.Pages().size();
  size_t page = 0;
  for (size_t step = 0; step <= count; ++step) {
    const unsigned buttons = plan.ButtonsFor(page, can);
    if ((buttons & wizbutton::kBack) != 0 && page == 0) return {false, "Back on the first page"};
    if ((buttons & wizbutton::kFinish) != 0) {
      for (size_t later = page + 1; later < count; ++later) {
        if (can(later)) return {false, "Finish before a page that can show"};
      }
      return {true, ""};
    }
    if ((buttons & wizbutton::kNext) == 0) return {false, "neither Next nor Finish"};
    const std::optional<size_t> section = skip ? plan.NextSection(page) : std::nullopt;
    size_t next = section ? *section : page + 1;
    while (next < count && !can(next)) ++next;
    if (next >= count) return {false, "Next leads to no page"};
    page = next;
  }
  return {false, "the walk does not end"};
}

std::string Describe(const WizardOptions& o, const PlanFacts& f, const char* place) {
  char text[200];
  std::snprintf(text, sizeof text,
                "ask=%d/%#x check=%d usage=%d changes=%d misc=%d/%#x tech=%d user=%d nt=%d place=%s "
                "sections=%d",
                o.askQuestions, o.askQuestionsOptions, o.checkConfiguration, o.checkUsageDatabase,
                f.recentChanges, o.checkMisc, o.checkMiscOptions, o.showTechSupportInfo, o.getUserInfo,
                f.windowsNt, place, static_cast<int>(std::count(f.sectionHasEntries.begin(), f.sectionHasEntries.end(), true)));
  return text;
}

TEST(PagePlanTest, EveryPlanCanBeFinishedWithNextAndWithSkipSection) {
  struct Asking { int ask, options; };
  const Asking askings[] = {{0, -1}, {1, 0}, {1, 0x01}, {1, 0x20}, {1, 0x7F}};
  struct Usage { int check; bool changes; };
  const Usage usages[] = {{0, true}, {1, false}, {1, true}};
  struct Misc { int check, options; };
  const Misc miscs[] = {{0, -1}, {1, 0}, {1, 0x01}, {1, 0x08}, {1, 0x0F}};
  // No listed item; every section listed; only the settings and registrations.
  const std::array<bool, 9> sectionSets[] = {
      {}, {true, true, true, true, true, true, true, true, true},
      {false, false, false, false, true, true, true, true, true}};

  int plans = 0;
  for (const Asking& asking : askings)
  for (int check : {0, 1})
  for (const Usage& usage : usages)
  for (const Misc& misc : miscs)
  for (int tech : {0, 1})
  for (int user : {0, 1})
  for (bool nt : {false, true})
  for (const Place& place : kPlaces)
  for (const auto& sections : sectionSets) {
    const WizardOptions options{asking.ask, asking.options, check, usage.check, misc.check,
                                misc.options, tech, user};
    PlanFacts facts;
    facts.windowsNt = nt;
    facts.usesQuickTime = true;
    facts.recentChanges = usage.changes;
    facts.readMeNamed = !nt;  // with and without a Read Me page
    facts.installed = InstalledAt(place);
    facts.sectionHasEntries = sections;
    const PagePlan plan(options, facts);
    ++plans;
    const std::string trace = Describe(options, facts, place.name);
    ASSERT_FALSE(plan.Pages().empty()) << trace;
    // Before any change, and after a fix and a revert took effect.
    for (bool changed : {false, true}) {
      const PagePlan::CanBecomeActive can = [&](size_t i) {
        return changed || !PagePlan::IsRetryPage(plan.Pages()[i].id);
      };
      for (bool skip : {false, true}) {
        const WalkEnd end = Walk(plan, can, skip);
        ASSERT_TRUE(end.finished) << trace << " changed=" << changed << " skip=" << skip << ": " << end.why;
      }
    }
  }
  std::printf("walked %d page plans, each with Next and with Skip Section, before and after changes\n", plans);
}

TEST(PagePlanTest, OnlyRemovableMediaDropsTheApplicationsOwnPages) {
  PlanFacts facts;
  facts.sectionHasEntries.fill(true);
  const WizardOptions options{0, 0, 1, 0, 0, 0, 0, 0};
  for (const Place& place : kPlaces) {
    SCOPED_TRACE(place.name);
    EXPECT_EQ(InstalledAt(place), place.installed);
    facts.installed = InstalledAt(place);
    std::vector<WizardPageId> pages;
    const PagePlan plan(options, facts);
    for (const PagePlan::Page& page : plan.Pages()) pages.push_back(page.id);
    std::vector<WizardPageId> expected{WizardPageId::Check1, WizardPageId::Check2, WizardPageId::Check3,
                                       WizardPageId::Check4, WizardPageId::Check5, WizardPageId::Check6};
    if (place.installed) {
      for (WizardPageId id : {WizardPageId::Check7, WizardPageId::Check8, WizardPageId::Check9,
                              WizardPageId::Check10, WizardPageId::Check11}) {
        expected.push_back(id);
      }
    }
    expected.push_back(WizardPageId::Check12);
    EXPECT_EQ(pages, expected);
  }
}

TEST(PagePlanTest, TheFinishMovesPastARetryPageOnceAChangeTookEffect) {
  // The configuration check alone: its retry page is the last page.
  PlanFacts facts;
  facts.sectionHasEntries[1] = true;
  const PagePlan plan({0, 0, 1, 0, 0, 0, 0, 0}, facts);
  ASSERT_EQ(plan.Pages().back().id, WizardPageId::Check12);
  const size_t dlls = plan.Pages().size() - 2;
  bool fixed = false;
  const PagePlan::CanBecomeActive can = [&](size_t i) { return fixed || !PagePlan::IsRetryPage(plan.Pages()[i].id); };
  EXPECT_EQ(plan.ButtonsFor(dlls, can), wizbutton::kBack | wizbutton::kFinish);
  fixed = true;
  EXPECT_EQ(plan.ButtonsFor(dlls, can), wizbutton::kBack | wizbutton::kNext);
  EXPECT_EQ(plan.ButtonsFor(dlls + 1, can), wizbutton::kBack | wizbutton::kFinish);
  // A single page is first and last: Finish, and no Back.
  const PagePlan single({0, 0, 0, 0, 0, 0, 1, 0}, facts);
  ASSERT_EQ(single.Pages().size(), 1u);
  EXPECT_EQ(single.ButtonsFor(0, can), wizbutton::kFinish);
  // Every section switched off still leaves the contact page.
  const PagePlan none({0, 0, 0, 0, 0, 0, 0, 0}, facts);
  ASSERT_EQ(none.Pages().size(), 1u);
  EXPECT_EQ(none.Pages()[0].id, WizardPageId::TechSupport);
}

}  // namespace
}  // namespace cvn
