// LoadString on the host: the string table compiled from the same script
// the Windows programs link. The ANSI code page is Windows-1252.
#pragma once

#include "platform/Strings.h"

namespace cvn::emulated {

class EmulatedStrings : public platform::Strings {
 public:
  std::string Load(int id) override;
  std::string AnsiToUtf8(std::string_view ansi) override;
  // Windows-1252, as the machine's names are compared.
  platform::CaseRules LetterCase() override;
};

}  // namespace cvn::emulated
