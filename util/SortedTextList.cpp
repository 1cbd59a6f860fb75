#include "util/SortedTextList.h"

#include <algorithm>

namespace cvn {

bool InsertSorted(platform::Shell& collation, TextList& list, const std::string& text) {
  const auto before = [&collation](const std::string& a, const std::string& b) {
    return collation.CompareText(a, b) < 0;
  };
  const auto at = std::lower_bound(list.begin(), list.end(), text, before);
  if (at != list.end() && collation.CompareText(*at, text) == 0) return false;
  list.insert(at, text);
  return true;
}

int IndexOf(const TextList& list, const std::string& text) {
  const auto found = std::find(list.begin(), list.end(), text);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

}  // namespace cvn
