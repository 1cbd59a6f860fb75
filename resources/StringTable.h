// The program's numbered texts in the host build, generated at build time
// from resources/strings.rc, the same script the Windows programs link.
#pragma once

namespace cvn::resources {

// The text of string `id`, or nullptr when the table has none.
const char* FindString(int id);

}  // namespace cvn::resources
