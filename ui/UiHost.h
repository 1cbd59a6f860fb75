// What the page logic asks of the windows around it: the sheet's buttons
// and current page, modal dialogs, and the screen font. The Win32 view
// implements it with real windows; the host build with recording fakes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/DialogLogic.h"
#include "ui/PageLogic.h"
#include "platform/ProgressDialog.h"

namespace cvn {

// The sheet's wizard buttons (PSWIZB_*).
namespace wizbutton {
inline constexpr unsigned kBack = 0x1;
inline constexpr unsigned kNext = 0x2;
inline constexpr unsigned kFinish = 0x4;
}  // namespace wizbutton

class SheetControl {
 public:
  virtual ~SheetControl() = default;
  virtual void SetWizardButtons(unsigned buttons) = 0;
  // Makes page `index` (counting the added pages from 0) the active one.
  virtual void SetActivePage(int index) = 0;
};

struct FontMetrics {
  int avgCharWidth = 0;
  int lineHeight = 0;  // height plus external leading
};

class UiHost {
 public:
  virtual ~UiHost() = default;
  // Runs a modal dialog over the active window; how it ended.
  virtual DialogEnd RunModal(DialogLogic& dialog) = 0;
  // Runs a modal property sheet (not a wizard) with these pages.
  virtual void RunPropertySheet(const std::string& caption, const std::vector<PageLogic*>& pages) = 0;
  // The screen font's metrics; nothing when they cannot be read.
  virtual std::optional<FontMetrics> ScreenFontMetrics() = 0;
  // The progress dialogs of long work over the wizard.
  virtual ProgressDialogs& Progress() = 0;
};

}  // namespace cvn
