// The facts of the machine that live in the Registry: string values such
// as the computer maker and the browser cache folders, and the modem.
#pragma once

#include <optional>
#include <string>

#include "platform/Registry.h"

namespace cvn {

// The text of a string value, without its terminating zero; nothing when
// the key or value is missing or is not a string.
std::optional<std::string> ReadRegistryText(platform::Registry& registry, platform::RegKey root,
                                            const std::string& subKey, const std::string& name);

// True when one of the modem keys of Windows 95 or NT can be opened.
bool ModemPresent(platform::Registry& registry);

}  // namespace cvn
