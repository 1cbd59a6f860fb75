#include "ui/fakes/RecordingSheet.h"

namespace cvn {
namespace {

// A walk never takes more steps than this; a page loop would be a fault.
constexpr int kMaxSteps = 200;

}  // namespace

DialogEnd RecordingUiHost::RunModal(DialogLogic& dialog) {
  shown.push_back(dialog.DialogId());
  RecordingSurface& surface = surfaces[dialog.DialogId()];
  surface = RecordingSurface();
  dialog.OnInitDialog(surface);
  if (userActs) userActs(dialog.DialogId(), surface);
  std::vector<int> commands = std::move(queued_[dialog.DialogId()]);
  queued_.erase(dialog.DialogId());
  if (commands.empty()) commands.push_back(kIdOk);
  for (int command : commands) {
    const DialogEnd end = dialog.OnCommand(surface, command);
    if (end != DialogEnd::Stay) return end;
  }
  return DialogEnd::Cancel;
}

void RecordingUiHost::RunPropertySheet(const std::string&, const std::vector<PageLogic*>& pages) {
  for (PageLogic* page : pages) {
    shown.push_back(page->DialogId());
    RecordingSurface& surface = surfaces[page->DialogId()];
    surface = RecordingSurface();
    page->OnInitDialog(surface);
    page->OnSetActive(surface);
  }
}

void RecordingUiHost::QueueCommands(int dialogId, std::vector<int> commands) {
  queued_[dialogId] = std::move(commands);
}

RecordingSheet::RecordingSheet(CCVNWizard& wizard) : wizard_(&wizard), pages_(wizard.Pages()) {
  wizard_->AttachSheet(this);
  Activate(0, 1);
}

RecordingSheet::RecordingSheet(std::vector<PageLogic*> pages) : pages_(std::move(pages)) { Activate(0, 1); }

RecordingSheet::~RecordingSheet() {
  if (wizard_ != nullptr) wizard_->AttachSheet(nullptr);
}

PageLogic* RecordingSheet::Active() const {
  return active_ >= 0 && active_ < static_cast<int>(pages_.size()) ? pages_[static_cast<size_t>(active_)] : nullptr;
}

void RecordingSheet::Activate(int index, int step) {
  for (int i = index; i >= 0 && i < static_cast<int>(pages_.size()); i += step) {
    PageLogic& page = *pages_[static_cast<size_t>(i)];
    RecordingSurface& surface = surfaces_[&page];
    if (!page.OnSetActive(surface)) continue;
    active_ = i;
    visited.push_back(page.DialogId());
    return;
  }
}

bool RecordingSheet::Leave() {
  PageLogic* page = Active();
  return page != nullptr && page->OnKillActive(surfaces_[page]);
}

void RecordingSheet::SetActivePage(int index) {
  if (!Leave()) return;
  Activate(index, index >= active_ ? 1 : -1);
}

bool RecordingSheet::Next() {
  PageLogic* page = Active();
  if (page == nullptr || (buttons_ & wizbutton::kNext) == 0) return false;
  const PageResult result = page->OnWizardNext(surfaces_[page]);
  if (result.kind() == PageResult::Kind::Stay || !Leave()) return false;
  const int from = active_;
  Activate(result.kind() == PageResult::Kind::GoTo ? result.page() : active_ + 1, 1);
  return active_ != from;
}

bool RecordingSheet::Back() {
  PageLogic* page = Active();
  if (page == nullptr || (buttons_ & wizbutton::kBack) == 0) return false;
  const PageResult result = page->OnWizardBack(surfaces_[page]);
  if (result.kind() == PageResult::Kind::Stay || !Leave()) return false;
  const int from = active_;
  Activate(result.kind() == PageResult::Kind::GoTo ? result.page() : active_ - 1, -1);
  return active_ != from;
}

bool RecordingSheet::Finish() {
  return (buttons_ & wizbutton::kFinish) != 0 && Leave();
}

void RecordingSheet::Press(int controlId) {
  if (PageLogic* page = Active()) page->OnCommand(surfaces_[page], controlId);
}

void RecordingSheet::Notify(const ListEvent& event) {
  if (PageLogic* page = Active()) page->OnListEvent(surfaces_[page], event);
}

WizardResult RecordingWizardRunner::Run(CCVNWizard& wizard) {
  RecordingSheet sheet(wizard);
  wizard.ShowIntroductionIfWanted();
  WizardResult result = WizardResult::Cancelled;
  if (plan_ == Plan::WalkToFinish) {
    for (int step = 0; step < kMaxSteps; ++step) {
      if (sheet.Finish()) {
        result = WizardResult::Finished;
        break;
      }
      if (!sheet.Next()) break;
    }
  }
  visited_ = sheet.visited;
  return result;
}

}  // namespace cvn
