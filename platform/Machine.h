// One Windows machine: every platform service the core uses. The Win32
// build has one for the real machine; the emulated build reads a machine
// image folder.
#pragma once

#include <memory>

#include "platform/FileSystem.h"
#include "platform/Processes.h"
#include "platform/Profile.h"
#include "platform/Prompts.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Strings.h"
#include "platform/SystemInfo.h"
#include "platform/VersionInfo.h"

namespace cvn::platform {

class Machine {
 public:
  virtual ~Machine() = default;
  virtual FileSystem& Files() = 0;
  virtual Profile& Ini() = 0;
  virtual Registry& Reg() = 0;
  virtual VersionInfo& Versions() = 0;
  virtual SystemInfo& System() = 0;
  virtual Processes& Procs() = 0;
  virtual Prompts& Ask() = 0;
  virtual Strings& Texts() = 0;
  virtual Shell& Desktop() = 0;
};

}  // namespace cvn::platform
