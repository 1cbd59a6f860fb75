// The string table of the running program (LoadString), and the ANSI code
// page's texts as UTF-8.
#pragma once

#include "platform/Strings.h"

namespace cvn::platform::win32 {

class Win32Strings final : public Strings {
 public:
  std::string Load(int id) override;
  std::string AnsiToUtf8(std::string_view ansi) override;
  // The rules of the process's ANSI code page.
  CaseRules LetterCase() override;
};

}  // namespace cvn::platform::win32
