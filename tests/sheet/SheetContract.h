// The wizard sheet's navigation contract: one set of cases over the
// recording sheet on the host and over comctl32's property sheet under
// Wine, so that the host tests' sheet moves as the real one does.
#pragma once

#include <memory>
#include <vector>

#include "ui/PageLogic.h"

namespace cvn::test {

// What the user presses, one after the other.
enum class Press { Next, Back, Finish };

// Where a run left the sheet: the active page (-1 once it ended), and
// whether Finish ended it.
struct SheetOutcome {
  int active = -1;
  bool finished = false;
};

class SheetEnvironment {
 public:
  virtual ~SheetEnvironment() = default;
  // Shows `pages` as a wizard with its first page active, then makes each
  // press once the sheet has handled the one before, with the wizard
  // buttons the press needs enabled.
  virtual SheetOutcome Run(const std::vector<PageLogic*>& pages, const std::vector<Press>& presses) = 0;
};

std::unique_ptr<SheetEnvironment> MakeSheetEnvironment();

}  // namespace cvn::test
