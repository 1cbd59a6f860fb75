// How the wizard sheet moves between pages, the same cases on the host's
// recording sheet and on comctl32's sheet: a page that refuses to become
// active is passed over in the direction of travel, a page leaves only when
// its KILLACTIVE accepts, a handler's Stay keeps the page and GoTo names
// the next one, and Finish goes through the last page's leaving.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/sheet/SheetContract.h"

namespace cvn::test {
namespace {

// How one page of a case answers the sheet.
struct Answers {
  bool activates = true;
  bool leaves = true;
  PageResult next = PageResult::GoOn();
};

// A page that answers as told and logs each call ("2 next") to the log
// shared by the pages of a case. All pages share one plain template.
class ProbePage final : public PageLogic {
 public:
  ProbePage(int number, const Answers& answers, std::vector<std::string>& log)
      : PageLogic(IDD_MISC3), number_(number), answers_(answers), log_(log) {}

  bool OnSetActive(ControlSurface&) override { return Log("active"), answers_.activates; }
  bool OnKillActive(ControlSurface&) override { return Log("leave"), answers_.leaves; }
  PageResult OnWizardNext(ControlSurface&) override { return Log("next"), answers_.next; }
  PageResult OnWizardBack(ControlSurface&) override { return Log("back"), PageResult::GoOn(); }

 private:
  void Log(const char* call) { log_.push_back(std::to_string(number_) + " " + call); }

  int number_;
  Answers answers_;
  std::vector<std::string>& log_;
};

struct Case {
  const char* name;
  std::vector<Answers> pages;
  std::vector<Press> presses;
  std::vector<std::string> calls;  // after the first page's activation
  SheetOutcome outcome;
};

const Answers kPlain;
const Answers kRefusesActivation{false, true, PageResult::GoOn()};
const Answers kRefusesLeaving{true, false, PageResult::GoOn()};
const Answers kStays{true, true, PageResult::Stay()};
const Answers kGoesToLast{true, true, PageResult::GoTo(3)};

const Case kCases[] = {
    {"next passes over a refusing page",
     {kPlain, kRefusesActivation, kPlain},
     {Press::Next},
     {"0 next", "0 leave", "1 active", "2 active"},
     {2, false}},
    {"back passes over a refusing page",
     {kPlain, kRefusesActivation, kPlain},
     {Press::Next, Press::Back},
     {"0 next", "0 leave", "1 active", "2 active", "2 back", "2 leave", "1 active", "0 active"},
     {0, false}},
    {"a page that refuses to leave stays",
     {kRefusesLeaving, kPlain},
     {Press::Next},
     {"0 next", "0 leave"},
     {0, false}},
    {"stay keeps the page without leaving it",
     {kStays, kPlain},
     {Press::Next},
     {"0 next"},
     {0, false}},
    {"go to names the next page",
     {kGoesToLast, kPlain, kPlain, kPlain},
     {Press::Next},
     {"0 next", "0 leave", "3 active"},
     {3, false}},
    {"finish leaves the last page",
     {kPlain, kPlain},
     {Press::Next, Press::Finish},
     {"0 next", "0 leave", "1 active", "1 leave"},
     {-1, true}},
    {"finish waits for the last page to accept leaving",
     {kPlain, kRefusesLeaving},
     {Press::Next, Press::Finish},
     {"0 next", "0 leave", "1 active", "1 leave"},
     {1, false}},
};

TEST(SheetContractTest, NavigationFollowsThePropertySheet) {
  const auto sheet = MakeSheetEnvironment();
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> log;
    std::vector<std::unique_ptr<ProbePage>> probes;
    std::vector<PageLogic*> pages;
    for (const Answers& answers : c.pages) {
      probes.push_back(std::make_unique<ProbePage>(static_cast<int>(probes.size()), answers, log));
      pages.push_back(probes.back().get());
    }
    const SheetOutcome outcome = sheet->Run(pages, c.presses);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "0 active");
    EXPECT_EQ(std::vector<std::string>(log.begin() + 1, log.end()), c.calls);
    EXPECT_EQ(outcome.active, c.outcome.active);
    EXPECT_EQ(outcome.finished, c.outcome.finished);
  }
}

}  // namespace
}  // namespace cvn::test
