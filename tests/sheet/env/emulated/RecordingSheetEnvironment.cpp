// The sheet contract on the host: the recording sheet the page tests use.
#include "tests/sheet/SheetContract.h"
#include "ui/fakes/RecordingSheet.h"

namespace cvn::test {
namespace {

class RecordingSheetEnvironment final : public SheetEnvironment {
 public:
  SheetOutcome Run(const std::vector<PageLogic*>& pages, const std::vector<Press>& presses) override {
    RecordingSheet sheet(pages);
    for (Press press : presses) {
      if (press == Press::Finish) {
        sheet.SetWizardButtons(wizbutton::kBack | wizbutton::kFinish);
        if (sheet.Finish()) return {-1, true};
        continue;
      }
      sheet.SetWizardButtons(wizbutton::kBack | wizbutton::kNext);
      press == Press::Next ? sheet.Next() : sheet.Back();
    }
    return {sheet.ActiveIndex(), false};
  }
};

}  // namespace

std::unique_ptr<SheetEnvironment> MakeSheetEnvironment() { return std::make_unique<RecordingSheetEnvironment>(); }

}  // namespace cvn::test
