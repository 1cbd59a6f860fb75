// The string table of the running program (LoadString).
#pragma once

#include "platform/Strings.h"

namespace cvn::platform::win32 {

class Win32Strings final : public Strings {
 public:
  std::string Load(int id) override;
  // The rules of the process's ANSI code page.
  CaseRules LetterCase() override;
};

}  // namespace cvn::platform::win32
