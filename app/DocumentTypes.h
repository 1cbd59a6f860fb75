// Registers the .cdb, .udb and .fdb document types under HKEY_CLASSES_ROOT,
// so that double-clicking a database opens Corvane.
#pragma once

#include "platform/Machine.h"

namespace cvn {

enum class RegisterIcons { No, Yes };

// Failures are silent: they only cut short the registration of that one type.
void RegisterDocumentTypes(platform::Machine& machine, RegisterIcons icons);

}  // namespace cvn
