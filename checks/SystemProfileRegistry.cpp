#include "checks/SystemProfileRegistry.h"

#include <algorithm>
#include <array>

#include "platform/RegistryKey.h"

namespace cvn {

std::optional<std::string> ReadRegistryText(platform::Registry& registry, platform::RegKey root,
                                            const std::string& subKey, const std::string& name) {
  const std::optional<platform::RegValue> value = OpenedKey(registry, root, subKey).Query(name);
  if (!value || (value->type != platform::regtype::kString &&
                 value->type != platform::regtype::kExpandString)) {
    return std::nullopt;
  }
  return TextOfData(value->data);
}

bool ModemPresent(platform::Registry& registry) {
  static constexpr std::array<const char*, 3> kModemKeys = {
      "Enum\\Root\\Modem",
      "SYSTEM\\CurrentControlSet\\Services\\Modem",
      "SYSTEM\\CurrentControlSet\\Services\\Class\\Modem",
  };
  return std::any_of(kModemKeys.begin(), kModemKeys.end(), [&](const char* subKey) {
    return KeyExists(registry, platform::hkey::kLocalMachine, subKey);
  });
}

}  // namespace cvn
