// Finds layout faults in a dialog as Windows shows it: two controls that
// overlap, and a fixed text or button caption that does not fit its control
// in the control's font (cut off).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace cvn::gallery {

// One line per fault, naming the controls by number.
std::vector<std::string> CheckLayout(HWND dialog);

}  // namespace cvn::gallery
