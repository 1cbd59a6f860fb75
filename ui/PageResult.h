// What a page handler decides: go on as the user asked, stay on the page,
// or go to another page of the sheet.
#pragma once

namespace cvn {

class PageResult {
 public:
  enum class Kind { GoOn, Stay, GoTo };

  static PageResult GoOn() { return PageResult(Kind::GoOn, -1); }
  static PageResult Stay() { return PageResult(Kind::Stay, -1); }
  // `page` counts the pages added to the sheet, from 0.
  static PageResult GoTo(int page) { return PageResult(Kind::GoTo, page); }

  Kind kind() const { return kind_; }
  int page() const { return page_; }
  bool operator==(const PageResult&) const = default;

 private:
  PageResult(Kind kind, int page) : kind_(kind), page_(page) {}
  Kind kind_;
  int page_;
};

// How a modal dialog ended (IDOK, IDCANCEL), or that it stays open.
enum class DialogEnd { Stay, Ok, Cancel };

}  // namespace cvn
