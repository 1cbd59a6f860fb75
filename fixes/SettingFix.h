// Fixing or reverting one INI or Registry setting with a value the user
// confirms. A write the platform refuses is told and never counted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "fixes/FixSession.h"

namespace cvn {

struct SettingFixRequest {
  SectionId section = SectionId::IniInfo;  // INI Info or Registry Info
  size_t itemIndex = 0;  // the item's position in its section
  FixMode mode = FixMode::Fix;
  // A revert's value before the change, which the confirmation proposes.
  std::optional<std::string> earlierValue;
};

// The item a request names; null when there is none.
SettingItem* FindSettingItem(FixSession& session, const SettingFixRequest& request);

// Done on success; NotApplicable when the item or its location is invalid,
// Declined (cancelled) when the user answered No, Refused when the type
// cannot be written or the platform refused the write (after a message
// naming the value and why), NotTaken when the check does not see it.
FixResult FixSetting(FixSession& session, const SettingFixRequest& request);

}  // namespace cvn
