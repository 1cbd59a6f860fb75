// Which icon resources the program has, in the host build: generated at
// build time from resources/icons/icons.rc, the script the Windows programs
// link, so that LoadIcon fails on the host exactly where it fails on Windows.
#pragma once

namespace cvn::resources {

// True when the program links an icon with number `id`.
bool HasIcon(int id);

}  // namespace cvn::resources
