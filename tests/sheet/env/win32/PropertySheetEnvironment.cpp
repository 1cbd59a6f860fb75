// The sheet contract on Windows: comctl32's property sheet in wizard mode,
// made modeless and driven without a user. Each press is posted as
// PSM_PRESSBUTTON once the messages of the one before have been handled,
// and the pages run through the same bindings as the wizard's.
#include "platform/win32/Win32Api.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/sheet/SheetContract.h"
#include "ui/win32/Win32Dialogs.h"

namespace cvn::test {
namespace {

using win32ui::PageBinding;

void HandleWaitingMessages(HWND sheet) {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!::SendMessageA(sheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message))) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
}

int ActivePage(HWND sheet) {
  const LRESULT page = ::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
  return page == 0 ? -1 : static_cast<int>(::SendMessageA(sheet, PSM_HWNDTOINDEX, static_cast<WPARAM>(page), 0));
}

class PropertySheetEnvironment final : public SheetEnvironment {
 public:
  PropertySheetEnvironment() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
  }

  SheetOutcome Run(const std::vector<PageLogic*>& pages, const std::vector<Press>& presses) override {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    bool finished = false;
    std::vector<PageBinding> bindings;
    std::vector<PROPSHEETPAGEA> sheetPages = win32ui::MakePropertyPages(pages, instance, {}, bindings);
    for (PageBinding& binding : bindings) binding.finished = [&finished] { finished = true; };
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_MODELESS;
    header.hInstance = instance;
    header.pszCaption = "Sheet contract";
    header.nPages = static_cast<UINT>(sheetPages.size());
    header.ppsp = sheetPages.data();
    const INT_PTR made = ::PropertySheetA(&header);
    if (made <= 0) {
      ADD_FAILURE() << "PropertySheet failed";
      return {};
    }
    const HWND sheet = reinterpret_cast<HWND>(made);
    HandleWaitingMessages(sheet);
    for (Press press : presses) {
      if (ActivePage(sheet) < 0) break;
      const bool finish = press == Press::Finish;
      ::SendMessageA(sheet, PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | (finish ? PSWIZB_FINISH : PSWIZB_NEXT));
      const WPARAM button = finish ? PSBTN_FINISH : press == Press::Next ? PSBTN_NEXT : PSBTN_BACK;
      ::PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
      HandleWaitingMessages(sheet);
    }
    const SheetOutcome outcome{ActivePage(sheet), finished};
    ::DestroyWindow(sheet);
    HandleWaitingMessages(sheet);
    return outcome;
  }
};

}  // namespace

std::unique_ptr<SheetEnvironment> MakeSheetEnvironment() { return std::make_unique<PropertySheetEnvironment>(); }

}  // namespace cvn::test
