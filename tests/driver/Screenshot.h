// Saves what a window shows on the screen as a 24-bit BMP file, for people
// to look at after a run.
#pragma once

#include <windows.h>

#include <string>

namespace cvn::uidriver {

// False when the window has no area or the file could not be written.
bool SaveScreenshot(HWND window, const std::string& path);

}  // namespace cvn::uidriver
