// LoadString on the host: the string table compiled from the same script
// the Windows programs link.
#pragma once

#include "platform/Strings.h"

namespace cvn::emulated {

class EmulatedStrings : public platform::Strings {
 public:
  std::string Load(int id) override;
  // Windows-1252, as the machine's names are compared.
  platform::CaseRules LetterCase() override;
};

}  // namespace cvn::emulated
