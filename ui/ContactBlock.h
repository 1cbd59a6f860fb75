// The vendor's contacts as the contact pages show them (controls
// 1500-1508): the names, up to three contact lines, the instructions.
#pragma once

#include <array>
#include <string>

#include "config/ConfigSection.h"
#include "platform/Strings.h"
#include "ui/ControlSurface.h"

namespace cvn {

inline constexpr int kContactFirstControl = 1500;

// Texts of controls 1500..1508, in order.
struct ContactBlock {
  std::array<std::string, 9> texts;
};

// Phone, fax and e-mail lines fill the line pairs in this order, each only
// when its technical support key is present and its value (or, when that
// is empty, the vendor's) is not empty. No Vendor Info: all empty.
ContactBlock BuildContactBlock(const ConfigSection* vendor, platform::Strings& strings);

// Writes the block, the two names in `nameFont`.
void ShowContactBlock(ControlSurface& surface, const ContactBlock& block, const FontSpec& nameFont);

}  // namespace cvn
