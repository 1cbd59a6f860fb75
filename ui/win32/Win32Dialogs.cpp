#include "ui/win32/Win32Dialogs.h"

#include <commctrl.h>

namespace cvn::win32ui {
namespace {

struct DialogBinding {
  DialogLogic* logic = nullptr;
  HINSTANCE instance = nullptr;
  const HelpHandler* help = nullptr;
  std::unique_ptr<Win32Surface> surface;
};

// A dialog procedure's answer to a notification: the value goes in
// DWLP_MSGRESULT and the procedure reports the message as handled.
INT_PTR Answer(HWND window, LONG_PTR result) {
  ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}

LONG_PTR NavigationAnswer(HWND page, const PageResult& result) {
  switch (result.kind()) {
    case PageResult::Kind::GoOn: return 0;
    case PageResult::Kind::Stay: return -1;
    case PageResult::Kind::GoTo:
      // Stays where it is and moves the sheet itself: pages that share a
      // template cannot be named by their dialog number.
      ::SendMessageA(::GetParent(page), PSM_SETCURSEL, static_cast<WPARAM>(result.page()), 0);
      return -1;
  }
  return 0;
}

// The row of list `list` under the mouse position of the current message.
int RowUnderMouse(HWND list) {
  const DWORD position = ::GetMessagePos();
  LVHITTESTINFO hit{};
  hit.pt.x = static_cast<short>(LOWORD(position));
  hit.pt.y = static_cast<short>(HIWORD(position));
  ::ScreenToClient(list, &hit.pt);
  return static_cast<int>(::SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

INT_PTR OnListNotify(PageLogic& logic, Win32Surface& surface, const NMHDR& header) {
  ListEvent event;
  event.listId = static_cast<int>(header.idFrom);
  switch (header.code) {
    case LVN_ITEMCHANGED:
      event.kind = ListEvent::Kind::RowChanged;
      event.row = reinterpret_cast<const NMLISTVIEW&>(header).iItem;
      break;
    case LVN_COLUMNCLICK:
      event.kind = ListEvent::Kind::ColumnClick;
      event.column = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem;
      break;
    case NM_DBLCLK:
      event.kind = ListEvent::Kind::DoubleClick;
      event.row = RowUnderMouse(header.hwndFrom);
      break;
    default: return FALSE;
  }
  logic.OnListEvent(surface, event);
  return FALSE;
}

INT_PTR OnPageNotify(HWND page, PageBinding& binding, const NMHDR& header) {
  PageLogic& logic = *binding.logic;
  Win32Surface& surface = *binding.surface;
  switch (header.code) {
    case PSN_SETACTIVE:
      if (binding.beforeActivate) binding.beforeActivate(::GetParent(page));
      return Answer(page, logic.OnSetActive(surface) ? 0 : -1);
    case PSN_KILLACTIVE: return Answer(page, logic.OnKillActive(surface) ? FALSE : TRUE);
    case PSN_WIZNEXT: return Answer(page, NavigationAnswer(page, logic.OnWizardNext(surface)));
    case PSN_WIZBACK: return Answer(page, NavigationAnswer(page, logic.OnWizardBack(surface)));
    case PSN_WIZFINISH: {
      // Finish takes the page's data as leaving it would.
      const bool accepted = logic.OnKillActive(surface);
      if (accepted && binding.finished) binding.finished();
      return Answer(page, accepted ? FALSE : TRUE);
    }
    case PSN_HELP:
      if (binding.help) binding.help(logic.HelpContext());
      return TRUE;
    default: return OnListNotify(logic, surface, header);
  }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    auto* binding = reinterpret_cast<PageBinding*>(sheetPage->lParam);
    ::SetWindowLongPtrA(page, DWLP_USER, sheetPage->lParam);
    binding->surface = std::make_unique<Win32Surface>(page, binding->instance);
    binding->logic->OnInitDialog(*binding->surface);
    return TRUE;
  }
  PageBinding* binding = BindingOf(page);
  if (binding == nullptr || !binding->surface) return FALSE;
  switch (message) {
    case WM_NOTIFY: return OnPageNotify(page, *binding, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
      // A click, or the user's choice in a combo box.
      if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == CBN_SELCHANGE) {
        binding->logic->OnCommand(*binding->surface, LOWORD(wParam));
      }
      return FALSE;
    case WM_HELP:
      if (binding->help) binding->help(binding->logic->HelpContext());
      return TRUE;
    case WM_DESTROY: binding->logic->OnDestroy(*binding->surface); return FALSE;
    case WM_NCDESTROY:
      ::SetWindowLongPtrA(page, DWLP_USER, 0);
      binding->surface.reset();
      return FALSE;
    default: return FALSE;
  }
}

INT_PTR OnDialogCommand(HWND window, DialogBinding& binding, WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  const DialogEnd end = binding.logic->OnCommand(*binding.surface, LOWORD(wParam));
  if (end != DialogEnd::Stay) ::EndDialog(window, end == DialogEnd::Ok ? IDOK : IDCANCEL);
  return TRUE;
}

INT_PTR OnDialogPaint(HWND window, DialogBinding& binding) {
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(window, &paint);
  binding.surface->SetPaintDc(dc);
  binding.logic->OnPaint(*binding.surface);
  binding.surface->SetPaintDc(nullptr);
  ::EndPaint(window, &paint);
  return TRUE;
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* binding = reinterpret_cast<DialogBinding*>(lParam);
    ::SetWindowLongPtrA(window, DWLP_USER, lParam);
    binding->surface = std::make_unique<Win32Surface>(window, binding->instance);
    binding->logic->OnInitDialog(*binding->surface);
    return TRUE;
  }
  auto* binding = reinterpret_cast<DialogBinding*>(::GetWindowLongPtrA(window, DWLP_USER));
  if (binding == nullptr || !binding->surface) return FALSE;
  switch (message) {
    case WM_COMMAND: return OnDialogCommand(window, *binding, wParam);
    case WM_TIMER: binding->logic->OnTimer(*binding->surface); return TRUE;
    case WM_PAINT: return OnDialogPaint(window, *binding);
    case WM_HELP:
      if (*binding->help) (*binding->help)(binding->logic->HelpContext());
      return TRUE;
    case WM_DESTROY: ::KillTimer(window, Win32Surface::kTimerId); return FALSE;
    case WM_NCDESTROY:
      ::SetWindowLongPtrA(window, DWLP_USER, 0);
      binding->surface.reset();
      return FALSE;
    default: return FALSE;
  }
}

}  // namespace

PageBinding* BindingOf(HWND page) {
  return reinterpret_cast<PageBinding*>(::GetWindowLongPtrA(page, DWLP_USER));
}

std::vector<PROPSHEETPAGEA> MakePropertyPages(const std::vector<PageLogic*>& logic, HINSTANCE instance,
                                              const HelpHandler& help, std::vector<PageBinding>& bindings) {
  bindings = std::vector<PageBinding>(logic.size());
  std::vector<PROPSHEETPAGEA> pages;
  for (size_t i = 0; i < logic.size(); ++i) {
    PageBinding& binding = bindings[i];
    binding.logic = logic[i];
    binding.instance = instance;
    binding.help = help;
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT | PSP_HASHELP;
    page.hInstance = instance;
    page.pszTemplate = MAKEINTRESOURCEA(static_cast<WORD>(binding.logic->DialogId()));
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(&binding);
    pages.push_back(page);
  }
  return pages;
}

DialogEnd RunModalDialog(HINSTANCE instance, HWND owner, DialogLogic& logic, const HelpHandler& help) {
  DialogBinding binding{&logic, instance, &help, nullptr};
  const INT_PTR result =
      ::DialogBoxParamA(instance, MAKEINTRESOURCEA(static_cast<WORD>(logic.DialogId())), owner,
                        DialogProc, reinterpret_cast<LPARAM>(&binding));
  return result == IDOK ? DialogEnd::Ok : DialogEnd::Cancel;
}

void RunModalSheet(HINSTANCE instance, HWND owner, const std::string& caption,
                   const std::vector<PageLogic*>& pages, const HelpHandler& help) {
  std::vector<PageBinding> bindings;
  std::vector<PROPSHEETPAGEA> sheetPages = MakePropertyPages(pages, instance, help, bindings);
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP;
  header.hwndParent = owner;
  header.hInstance = instance;
  header.pszCaption = caption.c_str();
  header.nPages = static_cast<UINT>(sheetPages.size());
  header.ppsp = sheetPages.data();
  ::PropertySheetA(&header);
}

}  // namespace cvn::win32ui
