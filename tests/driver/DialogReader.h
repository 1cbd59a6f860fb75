// Reads the dialogs of another process: which kind each is and what it
// shows. Texts travel by WM_GETTEXT, which the system carries across
// processes; a window that does not answer in time reads as empty.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/Dialog.h"

namespace cvn::uidriver {

// How long the driver waits for the program to take one message.
inline constexpr UINT kMessageWaitMs = 2000;

// SendMessageTimeout with the driver's wait; false when the window did not
// take the message in time.
bool SendWaiting(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result);

bool HasClass(HWND window, const char* name);

// Whether the dialog shows a progress bar: it reports work under way and
// asks nothing, so the driver lets it end by itself.
bool ShowsProgress(HWND dialog);

// The visible top-level dialogs (class "#32770") of a process, topmost first.
std::vector<HWND> VisibleDialogsOf(DWORD processId);

// The direct child with this control id, or null. Ids compare as 16 bits,
// so 0xFFFF finds a control made with the id -1.
HWND ChildWithId(HWND parent, int id);

// The edit control of an open-file dialog's file name box, or null.
HWND FileNameBox(HWND dialog);

// A wizard's active page, or null.
HWND CurrentPage(HWND sheet);

// Where the controls an answer names are: a property sheet's active page,
// else the dialog itself (a plain dialog has no page to report).
HWND ControlHolder(HWND dialog);

// What an answer is given to: a wizard's active page (each page is
// answered on its own), or the dialog itself.
HWND AnswerTarget(HWND dialog);

std::string WindowText(HWND window);
// The transcript line for the control that has the keyboard focus:
// "focus: Button 12325 'Finish'", with " [hidden]" or " [disabled]" when
// the user can neither see nor use it; "focus: none" without one.
std::string DescribeFocus(HWND control);
DialogView ReadDialog(HWND dialog);

}  // namespace cvn::uidriver
