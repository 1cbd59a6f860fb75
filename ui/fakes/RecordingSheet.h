// The wizard sheet without windows: one RecordingSurface per page, and the
// moves a user makes (Next, Back, Finish, Cancel, a button on the page),
// with the page changes the property sheet would make. Host tests and the
// host build's start-up run the wizard through it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/CCVNWizard.h"
#include "ui/fakes/RecordingSurface.h"
#include "ui/fakes/ScriptedProgressDialog.h"
#include "ui/UiHost.h"
#include "ui/WizardRunner.h"

namespace cvn {

// Runs every modal dialog over a RecordingSurface: its initialisation, then
// the command queued for its dialog number (OK when none is queued).
class RecordingUiHost : public UiHost {
 public:
  DialogEnd RunModal(DialogLogic& dialog) override;
  void RunPropertySheet(const std::string& caption, const std::vector<PageLogic*>& pages) override;
  std::optional<FontMetrics> ScreenFontMetrics() override { return metrics; }
  ProgressDialogs& Progress() override { return progress; }

  // The next dialog `dialogId` gets these commands, in order.
  void QueueCommands(int dialogId, std::vector<int> commands);

  std::vector<int> shown;  // dialog numbers, in the order they were run
  std::map<int, RecordingSurface> surfaces;  // the last surface of each dialog
  std::optional<FontMetrics> metrics;
  ScriptedProgressDialogs progress;
  // What the user does on a dialog once it is initialised, before its
  // queued commands: typing, clearing a check box.
  std::function<void(int dialogId, RecordingSurface& surface)> userActs;

 private:
  std::map<int, std::vector<int>> queued_;
};

class RecordingSheet : public SheetControl {
 public:
  // Attaches itself to the wizard and activates its first page.
  explicit RecordingSheet(CCVNWizard& wizard);
  // A sheet of these pages alone; nothing is told of its moves.
  explicit RecordingSheet(std::vector<PageLogic*> pages);
  ~RecordingSheet() override;

  void SetWizardButtons(unsigned buttons) override { buttons_ = buttons; }
  void SetActivePage(int index) override;

  // False when the page refused to be left, or there is nowhere to go.
  bool Next();
  bool Back();
  // Finish on the last page; true when the wizard finished.
  bool Finish();
  void Press(int controlId);
  // A list view of the active page tells of a change.
  void Notify(const ListEvent& event);

  // The active page; null when none could be activated.
  PageLogic* Active() const;
  int ActiveIndex() const { return active_; }
  unsigned Buttons() const { return buttons_; }
  RecordingSurface& Surface(const PageLogic& page) { return surfaces_[&page]; }

  // The dialog numbers of the pages activated so far, in order.
  std::vector<int> visited;

 private:
  bool Leave();
  // Activates `index`, passing over pages that refuse in direction `step`.
  void Activate(int index, int step);

  CCVNWizard* wizard_ = nullptr;
  std::vector<PageLogic*> pages_;
  std::map<const PageLogic*, RecordingSurface> surfaces_;
  int active_ = -1;
  unsigned buttons_ = 0;
};

// The host build's wizard run: Next on every page, then Finish, with the
// default answers; or Cancel at once.
class RecordingWizardRunner : public WizardRunner {
 public:
  enum class Plan { WalkToFinish, Cancel };
  explicit RecordingWizardRunner(Plan plan) : plan_(plan) {}

  UiHost& Host() override { return host_; }
  WizardResult Run(CCVNWizard& wizard) override;

  RecordingUiHost& RecordingHost() { return host_; }
  // The dialogs of the pages the last run passed, in order.
  const std::vector<int>& Visited() const { return visited_; }

 private:
  Plan plan_;
  RecordingUiHost host_;
  std::vector<int> visited_;
};

}  // namespace cvn
