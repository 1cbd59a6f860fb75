// The real Windows machine: every platform service as a direct Win32 call.
#pragma once

#include <memory>

#include "platform/Machine.h"

namespace cvn::platform::win32 {

std::unique_ptr<Machine> CreateWin32Machine();

}  // namespace cvn::platform::win32
