// A small framework over the dialog procedure, in the spirit of WTL: one
// static procedure per kind of window finds its C++ binding from the
// creation parameter and turns messages and sheet notifications into calls
// of the page or dialog logic, with a Win32Surface over its controls.
#pragma once

#include "platform/win32/Win32Api.h"

#include <prsht.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/DialogLogic.h"
#include "ui/PageLogic.h"
#include "ui/win32/Win32Surface.h"

namespace cvn::win32ui {

using HelpHandler = std::function<void(int helpContext)>;

// One property page window and what it reports to its sheet.
struct PageBinding {
  PageLogic* logic = nullptr;
  HINSTANCE instance = nullptr;
  HelpHandler help;
  // Told the sheet window before each activation (the first one comes
  // before PropertySheet returns the sheet).
  std::function<void(HWND sheet)> beforeActivate;
  // Told when the page accepted Finish.
  std::function<void()> finished;
  std::unique_ptr<Win32Surface> surface;
};

// The pages of a sheet for `logic`, one binding each in `bindings` (made
// here, with the instance and help handler); the bindings outlive the sheet
// and must not move, and a caller may still set their callbacks.
std::vector<PROPSHEETPAGEA> MakePropertyPages(const std::vector<PageLogic*>& logic, HINSTANCE instance,
                                              const HelpHandler& help, std::vector<PageBinding>& bindings);

// Runs `logic` as a modal dialog from its template over `owner`.
DialogEnd RunModalDialog(HINSTANCE instance, HWND owner, DialogLogic& logic, const HelpHandler& help);

// Runs a modal property sheet (OK and Cancel, no Apply) with these pages.
void RunModalSheet(HINSTANCE instance, HWND owner, const std::string& caption,
                   const std::vector<PageLogic*>& pages, const HelpHandler& help);

// The binding of an active page window, or null.
PageBinding* BindingOf(HWND page);

}  // namespace cvn::win32ui
