// The string table of the running program (LoadString).
#pragma once

#include "platform/Strings.h"

namespace cvn::platform::win32 {

class Win32Strings final : public Strings {
 public:
  std::string Load(int id) override;
};

}  // namespace cvn::platform::win32
