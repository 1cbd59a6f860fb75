#include "tests/driver/Dialog.h"

#include <algorithm>

namespace cvn::uidriver {

bool DialogView::HasButton(int id) const {
  return std::any_of(buttons.begin(), buttons.end(),
                     [id](const Button& button) { return button.id == id; });
}

std::string WithoutMnemonics(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      plain += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '&') {
      plain += '&';
      ++i;
    }
  }
  return plain;
}

std::string OnOneLine(const std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += "\\n";
    } else if (text[i] == '\n') {
      line += "\\n";
    } else {
      line += text[i];
    }
  }
  return line;
}

namespace {

std::string ButtonList(const std::vector<Button>& buttons) {
  std::string list;
  for (const Button& button : buttons) {
    if (!list.empty()) list += ',';
    list += WithoutMnemonics(button.text);
  }
  return list;
}

}  // namespace

std::string Describe(const DialogView& dialog) {
  switch (dialog.kind) {
    case DialogKind::Message:
      return "message: " + OnOneLine(dialog.message) + " | buttons: " + ButtonList(dialog.buttons);
    case DialogKind::OpenFile:
      return "open-file: " + OnOneLine(dialog.title) + " | filter: " + OnOneLine(dialog.filter);
    case DialogKind::Wizard:
      return "page: " + OnOneLine(dialog.title) + " | " + OnOneLine(dialog.heading) +
             " | buttons: " + ButtonList(dialog.buttons);
    case DialogKind::Other:
      break;
  }
  return "dialog: " + OnOneLine(dialog.title);
}

std::vector<std::string> DescribeRows(const std::vector<ListRow>& rows) {
  if (rows.empty()) return {"rows: none"};
  std::vector<std::string> lines;
  for (const ListRow& row : rows) {
    std::string line = "row: ";
    for (const std::string& text : row.texts) line += OnOneLine(text) + " | ";
    lines.push_back(line + "image: " + std::to_string(row.image));
  }
  return lines;
}

const char* KindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::Message: return "message";
    case DialogKind::OpenFile: return "open-file";
    case DialogKind::Wizard: return "page";
    case DialogKind::Other: break;
  }
  return "dialog";
}

}  // namespace cvn::uidriver
