// What the driver knows of one dialog of the program under test: its kind and
// the texts it shows. Plain values, so the transcript and the choice of an
// answer can be tested without windows.
#pragma once

#include <string>
#include <vector>

namespace cvn::uidriver {

enum class DialogKind { Message, OpenFile, Other, Wizard };

// Command identifiers of the standard buttons (IDOK, IDCANCEL, IDYES, IDNO).
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
// The wizard buttons of a property sheet.
inline constexpr int kIdBack = 0x3023;
inline constexpr int kIdNext = 0x3024;
inline constexpr int kIdFinish = 0x3025;

struct Button {
  int id = 0;
  std::string text;  // as the control holds it, '&' included
};

struct DialogView {
  DialogKind kind = DialogKind::Other;
  std::string title{};
  std::string message{};          // message boxes: the text
  std::string filter{};           // open-file dialogs: the file type shown
  std::string heading{};          // wizards: the active page's heading (control 1003)
  std::vector<Button> buttons{};  // visible buttons in window order; wizards: the enabled ones

  bool HasButton(int id) const;
};

// One row of a list view: the text of each column and the row's image.
struct ListRow {
  std::vector<std::string> texts{};
  int image = 0;
};

// The transcript lines for a list view's rows, one a row:
// "row: Name | Size | image: 2"; "rows: none" for an empty list.
std::vector<std::string> DescribeRows(const std::vector<ListRow>& rows);

// The transcript line for the dialog, e.g. "message: Done | buttons: OK".
std::string Describe(const DialogView& dialog);

// The word a screenshot file is named with: "message", "open-file", "dialog", "page".
const char* KindName(DialogKind kind);

// A button text as the user reads it: "&&" is a literal '&', any other '&'
// only underlines the next letter.
std::string WithoutMnemonics(const std::string& text);

// The text on one line: every line break (CR LF, LF or CR) becomes "\n".
std::string OnOneLine(const std::string& text);

}  // namespace cvn::uidriver
