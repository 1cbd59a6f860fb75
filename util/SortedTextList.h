// An ordered list of texts kept ascending by the user locale's collation,
// without entries that collate equal (the recent-changes dates list).
#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace cvn {

using TextList = std::vector<std::string>;

// Inserts `text` before the first entry that collates after it. Returns
// false, leaving the list as it was, when an entry collates equal to it.
bool InsertSorted(platform::Shell& collation, TextList& list, const std::string& text);

// The position of the first entry exactly equal to `text`, or -1.
int IndexOf(const TextList& list, const std::string& text);

}  // namespace cvn
